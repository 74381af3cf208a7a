#include "Error.h"

Error Error::invalidFloat(const QString &text)
{
    return Error(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

Error Error::invalidInteger(const QString &text)
{
    return Error(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

Error Error::invalidBase64()
{
    return Error(QStringLiteral("Invalid Base64 Character"));
}

Error Error::invalidFileFormat()
{
    return Error(QStringLiteral("Invalid file format"));
}

Error Error::cannotCreateFile(const QString &path, const QString &reason)
{
    return Error(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
}

Error Error::cannotOpenFile(const QString &path, const QString &reason)
{
    return Error(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
}
