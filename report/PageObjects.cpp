#include "PageObjects.h"
#include "JpegImage.h"

void TPictureView::loadJpeg(const QByteArray &jpeg)
{
    Picture = JpegImage::decode(jpeg);
    if (AutoSize && !Picture.isNull()) {
        Width = Picture.width();
        Height = Picture.height();
    }
}
