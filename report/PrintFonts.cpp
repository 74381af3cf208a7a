#include "PrintFonts.h"
#include "PageObjects.h"

#include <cmath>

namespace PrintFonts {

PrintFont fromStored(const TFont &font)
{
    return {font.Name, int(std::lround(font.Height / PxPerPoint)), font.Style};
}

QFont inPointUnits(const PrintFont &font)
{
    QFont result(Fonts::drawnFamily(font.family));
    result.setBold(font.style & Fonts::Bold);
    result.setItalic(font.style & Fonts::Italic);
    result.setPixelSize(font.pointSize);
    // Hinting would fit the glyphs to each device's pixel grid and change the advances.
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

} // namespace PrintFonts
