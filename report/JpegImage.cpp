#include "JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace JpegImage {

namespace {

// libjpeg ends the process on an error unless the error handler leaves by a long jump.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void leaveOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void silence(j_common_ptr, int) {}

struct Decompressor
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};

    Decompressor()
    {
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = leaveOnError;
        errors.base.emit_message = silence;
        jpeg_create_decompress(&info);
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
};

// Runs the decoding steps that may jump back; image is filled scan line by scan line. No object
// with a destructor lives in this frame, so the long jump skips nothing.
bool readInto(Decompressor &d, const QByteArray &jpeg, QImage &image)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char *>(jpeg.constData()), jpeg.size());
    jpeg_read_header(&d.info, TRUE);
    const bool grey = d.info.jpeg_color_space == JCS_GRAYSCALE;
    d.info.out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&d.info);
    image = QImage(int(d.info.output_width), int(d.info.output_height),
                   grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = image.scanLine(int(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

} // namespace

QImage decode(const QByteArray &jpeg)
{
    if (jpeg.isEmpty())
        return {};
    Decompressor decompressor;
    QImage image;
    return readInto(decompressor, jpeg, image) ? image : QImage();
}

} // namespace JpegImage
