#include "JpegImage.h"
#include "PageObjects.h"

#include <QBuffer>
#include <QTest>

class TestJpegImage : public QObject
{
    Q_OBJECT
private slots:
    void decodesGreyscale();
    void decodesColour();
    void brokenDataGivesNullImage_data();
    void brokenDataGivesNullImage();
    void pictureTakesTheImageSize();
};

namespace {
QByteArray jpegOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

QImage greyRamp(int width, int height)
{
    QImage image(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.scanLine(y)[x] = uchar(x * 255 / (width - 1));
    }
    return image;
}
} // namespace

void TestJpegImage::decodesGreyscale()
{
    const QImage decoded = JpegImage::decode(jpegOf(greyRamp(60, 62)));
    QCOMPARE(decoded.size(), QSize(60, 62));
    QCOMPARE(decoded.format(), QImage::Format_Grayscale8);
    QVERIFY(qAbs(qGray(decoded.pixel(0, 30)) - 0) <= 6);
    QVERIFY(qAbs(qGray(decoded.pixel(59, 30)) - 255) <= 6);
    QVERIFY(qAbs(qGray(decoded.pixel(30, 30)) - 30 * 255 / 59) <= 6);
}

void TestJpegImage::decodesColour()
{
    QImage image(90, 62, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 40));
    const QImage decoded = JpegImage::decode(jpegOf(image));
    QCOMPARE(decoded.size(), QSize(90, 62));
    const QColor centre = decoded.pixelColor(45, 31);
    QVERIFY(qAbs(centre.red() - 200) <= 8 && qAbs(centre.green() - 30) <= 8 && qAbs(centre.blue() - 40) <= 8);
}

void TestJpegImage::brokenDataGivesNullImage_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a JPEG") << QByteArray("GIF89a not a jpeg at all");
    QTest::newRow("cut off after the header") << jpegOf(greyRamp(60, 62)).left(40);
}

void TestJpegImage::brokenDataGivesNullImage()
{
    QFETCH(QByteArray, data);
    QVERIFY(JpegImage::decode(data).isNull());
}

void TestJpegImage::pictureTakesTheImageSize()
{
    TPictureView picture;
    picture.Width = 10;
    picture.Height = 10;
    picture.loadJpeg(jpegOf(greyRamp(60, 62)));
    QCOMPARE(picture.Width, 60.0);
    QCOMPARE(picture.Height, 62.0);

    TPictureView fixed;
    fixed.AutoSize = false;
    fixed.Width = 10;
    fixed.loadJpeg(jpegOf(greyRamp(60, 62)));
    QCOMPARE(fixed.Width, 10.0);
    QCOMPARE(fixed.Picture.width(), 60);
}

QTEST_GUILESS_MAIN(TestJpegImage)
#include "tst_jpegimage.moc"
