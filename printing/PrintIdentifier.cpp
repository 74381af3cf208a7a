#include "PrintIdentifier.h"
#include "Windows1250.h"

namespace PrintIdentifier {

std::uint32_t nameChecksum(const QByteArray &windows1250Name)
{
    if (windows1250Name.isEmpty())
        return 0;
    // Unsigned 32-bit arithmetic wraps where the sum would overflow, as the stored sum does.
    std::uint32_t sum = static_cast<unsigned char>(windows1250Name.front());
    for (const char byte : windows1250Name)
        sum += static_cast<unsigned char>(byte);
    return sum;
}

QString form(const QString &name, const QString &processorDigits)
{
    constexpr qsizetype ProcessorDigitCount = 6;
    const QString checksum = QString::number(nameChecksum(Windows1250::encode(name)), 16).toUpper();
    return processorDigits.right(ProcessorDigitCount) + checksum;
}

} // namespace PrintIdentifier
