#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

// One text of 8-bit Windows-1250 bytes, read and written whole or line by line. A line ends at
// CR LF, a lone CR or a lone LF; a break at the very end of the text starts no further line.
class LineBuffer
{
public:
    void clear() { setText({}); }

    // Appends the line, given whole or in two pieces, and CR LF; a line with line breaks becomes
    // several lines.
    void add(QByteArrayView start, QByteArrayView rest = {});

    int count() const;
    // Without its line break; empty past the last line.
    QByteArray line(int index) const { return lineView(index).toByteArray(); }
    // The same line without a copy, valid until the text next changes.
    QByteArrayView lineView(int index) const;

    const QByteArray &text() const { return m_text; }
    void setText(const QByteArray &text);

    // The file's content becomes exactly the text. The file is replaced atomically, so a
    // failed write leaves any previous file as it was. Raises Error::cannotCreateFile.
    void saveToFile(const QString &path) const;
    // The text becomes exactly the file's content. Raises Error::cannotOpenFile for a file that
    // cannot be opened or is no regular file (a pipe, a device), at once, and
    // Error::invalidFileFormat for one of more than `largest` bytes, reading no further.
    void loadFromFile(const QString &path, qsizetype largest);

private:
    void indexLines() const;

    QByteArray m_text;
    // Start and length of every line, built at the first line access after a change.
    mutable std::vector<std::pair<qsizetype, qsizetype>> m_lines;
    mutable bool m_indexed = true;
};
