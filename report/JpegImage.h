#pragma once
#include <QByteArray>
#include <QImage>

namespace JpegImage {

// Decodes a greyscale or colour JPEG; a null image when the data is not a JPEG it can read.
QImage decode(const QByteArray &jpeg);

} // namespace JpegImage
