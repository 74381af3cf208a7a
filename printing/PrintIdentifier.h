#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// The print identifier ties a print-out to the machine and to the applicant's name: the last
// six processor digits followed by the name checksum in upper-case hexadecimal.
namespace PrintIdentifier {

// The sum of the name's Windows-1250 byte values with the first byte counted twice; 0 for no bytes.
std::uint32_t nameChecksum(const QByteArray &windows1250Name);

// The identifier for a non-empty name; processorDigits as ProcessorDigits() gives them.
QString form(const QString &name, const QString &processorDigits);

} // namespace PrintIdentifier
