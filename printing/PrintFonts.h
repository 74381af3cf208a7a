#pragma once
#include "PreparedPage.h"

#include <QFont>
#include <QFontMetricsF>

struct TFont;

// Fonts of the print-out. Text is laid out with the metrics of a 96 dpi device so that the same
// line breaks and positions reach the preview, the printer and a PDF.
namespace PrintFonts {

// The stored character height in px becomes whole points: round(h x 72 / 96).
PrintFont fromStored(const TFont &font);

// A font that, painted on a device of the given resolution under a transform of
// deviceDpi / 96, has the font's point size on paper.
QFont forDevice(const PrintFont &font, int deviceDpi);

// Metrics in px at 96 dpi.
QFontMetricsF layoutMetrics(const PrintFont &font);

} // namespace PrintFonts
