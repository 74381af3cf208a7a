#include "Windows1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Windows1250 {

QByteArray encode(const QString &text)
{
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

bool canEncode(const QString &text)
{
    // A character without a byte comes back as something else after the round trip.
    return decode(encode(text)) == text;
}

} // namespace Windows1250
