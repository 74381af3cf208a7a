#include "LineBuffer.h"
#include "Error.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

void LineBuffer::clear()
{
    setText({});
}

void LineBuffer::add(const QByteArray &line)
{
    m_text += line;
    m_text += "\r\n";
    m_indexed = false;
}

int LineBuffer::count() const
{
    indexLines();
    return int(m_lines.size());
}

QByteArray LineBuffer::line(int index) const
{
    indexLines();
    if (index < 0 || index >= int(m_lines.size()))
        return {};
    const auto [start, length] = m_lines[index];
    return m_text.mid(start, length);
}

void LineBuffer::setText(const QByteArray &text)
{
    m_text = text;
    m_indexed = false;
}

void LineBuffer::indexLines() const
{
    if (m_indexed)
        return;
    m_lines.clear();
    const qsizetype size = m_text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && m_text[end] != '\r' && m_text[end] != '\n')
            ++end;
        m_lines.emplace_back(start, end - start);
        if (end + 1 < size && m_text[end] == '\r' && m_text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    m_indexed = true;
}

void LineBuffer::saveToFile(const QString &path) const
{
    // Unbuffered, because a buffered write that the device cuts short (a full disk, the file
    // size limit) still reports success at commit; each call then reports what reached the file,
    // and the call after a short write fails with the system's reason.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qsizetype done = 0; written && done < m_text.size();) {
        const qint64 count = file.write(m_text.constData() + done, m_text.size() - done);
        written = count > 0;
        done += count;
    }
    if (!written || !file.commit())
        throw Error::cannotCreateFile(QDir::toNativeSeparators(path), file.errorString());
}

void LineBuffer::loadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error::cannotOpenFile(QDir::toNativeSeparators(path), file.errorString());
    setText(file.readAll());
}
