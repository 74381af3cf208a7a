#include "LineBuffer.h"
#include "Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

void LineBuffer::add(QByteArrayView start, QByteArrayView rest)
{
    m_text.append(start);
    m_text.append(rest);
    m_text += "\r\n";
    m_indexed = false;
}

int LineBuffer::count() const
{
    indexLines();
    return int(m_lines.size());
}

QByteArrayView LineBuffer::lineView(int index) const
{
    indexLines();
    if (index < 0 || index >= int(m_lines.size()))
        return {};
    const auto [start, length] = m_lines[index];
    return QByteArrayView(m_text).sliced(start, length);
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
    const QByteArrayView text(m_text);
    const auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = std::find_if(text.begin() + start, text.end(), isBreak) - text.begin();
        m_lines.emplace_back(start, end - start);
        start = end + (text.sliced(end).startsWith("\r\n") ? 2 : 1);
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

void LineBuffer::loadFromFile(const QString &path, qsizetype largest)
{
    // Opened without waiting, so that a pipe with no writer cannot hold the program, and read
    // only if it is a regular file, as a device may never end; a folder keeps the reason Qt gives.
    const QString shown = QDir::toNativeSeparators(path);
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        throw Error::cannotOpenFile(shown, qt_error_string(errno));
    QFile file;
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        throw Error::cannotOpenFile(shown, S_ISDIR(status.st_mode)
                                               ? QCoreApplication::translate("QIODevice", "file to open is a directory")
                                               : QStringLiteral("Not a regular file"));
    const QByteArray text = file.read(largest + 1);
    if (text.size() > largest)
        throw Error::invalidFileFormat();
    setText(text);
}
