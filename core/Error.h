#pragma once
#include <QString>
#include <exception>

// The program's errors: an exception carrying one of its fixed English messages. A command
// stops where the error arose; the error guard shows the message and the program goes on.
class Error : public std::exception
{
public:
    explicit Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

    static Error invalidFloat(const QString &text);   // an amount text that does not parse
    static Error invalidInteger(const QString &text); // a table position in a saved form
    static Error invalidBase64();
    static Error invalidFileFormat();
    static Error cannotCreateFile(const QString &path, const QString &reason);
    static Error cannotOpenFile(const QString &path, const QString &reason);

private:
    QString m_message;
    QByteArray m_utf8;
};
