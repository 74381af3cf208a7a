#include "Windows1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstdint>

namespace Windows1250 {

namespace {

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char byte) { return std::uint8_t(byte) < 0x80; });
}

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

// The code page keeps ASCII as it is, so text of ASCII alone needs no converter. The converters
// are opened once: opening looks the code page up by name, which costs more than converting a
// field's text. Stateless, each call starts afresh.
QByteArray encode(const QString &text)
{
    if (isAscii(QStringView(text)))
        return text.toLatin1();
    thread_local QStringEncoder encoder("windows-1250", QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QString decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    thread_local QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

bool canEncode(const QString &text)
{
    // A character without a byte comes back as something else after the round trip.
    return decode(encode(text)) == text;
}

} // namespace Windows1250
