#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text leaves and enters the program as Windows-1250 bytes (saved form, password, print
// identifier). In memory it is a QString holding only characters that the code page has.
namespace Windows1250 {
QByteArray encode(const QString &text);
QString decode(QByteArrayView bytes);

// True when every character of the text has a Windows-1250 byte, so that saving and printing
// keep exactly what the user sees.
bool canEncode(const QString &text);
} // namespace Windows1250
