#include "PrintFonts.h"
#include "PageObjects.h"
#include "PageUnits.h"

#include <cmath>

namespace PrintFonts {

namespace {
constexpr double PointsPerInch = 72.0;

// A paint device that answers 96 dpi, for measuring.
const QImage &layoutDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = int(std::lround(PageUnits::PxPerMm * 1000));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}
} // namespace

PrintFont fromStored(const TFont &font)
{
    return {font.Name, int(std::lround(font.Height * PointsPerInch / PageUnits::PxPerInch)), font.Style};
}

QFont forDevice(const PrintFont &font, int deviceDpi)
{
    QFont result(font.family);
    result.setBold(font.style & Fonts::Bold);
    result.setItalic(font.style & Fonts::Italic);
    result.setPointSizeF(font.pointSize * PageUnits::PxPerInch / deviceDpi);
    // Hinting would fit the glyphs to each device's pixel grid and change the advances.
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

QFontMetricsF layoutMetrics(const PrintFont &font)
{
    return QFontMetricsF(forDevice(font, int(PageUnits::PxPerInch)), &layoutDevice());
}

} // namespace PrintFonts
