#pragma once
#include "PageUnits.h"
#include "PreparedPage.h"

#include <QFont>
#include <QFontMetricsF>

struct TFont;

// Fonts of the print-out. Text is drawn in a painter whose unit is one point, where a font's
// pixel size is its point size: a whole number, which no device's resolution can round to
// another size. The layout measures that same font, so that the same line breaks and positions
// reach the preview, the printer and a PDF.
namespace PrintFonts {

constexpr double PointsPerInch = 72.0;
constexpr double PxPerPoint = PageUnits::PxPerInch / PointsPerInch; // px at 96 dpi

// The stored character height in px becomes whole points: round(h x 72 / 96).
PrintFont fromStored(const TFont &font);

// The font to draw with, in a painter scaled to one unit per point.
QFont inPointUnits(const PrintFont &font);

// Metrics of inPointUnits(font), in px at 96 dpi.
class LayoutMetrics
{
public:
    explicit LayoutMetrics(const PrintFont &font) : m_points(inPointUnits(font)) {}

    // The first length characters of text, all of them by default.
    double horizontalAdvance(const QString &text, int length = -1) const
    {
        return m_points.horizontalAdvance(text, length) * PxPerPoint;
    }
    double ascent() const { return m_points.ascent() * PxPerPoint; }
    double height() const { return m_points.height() * PxPerPoint; }

private:
    QFontMetricsF m_points;
};

} // namespace PrintFonts
