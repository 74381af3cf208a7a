#include "PageStrip.h"
#include "TemplateRows.h"

namespace PageStrip {

void add(TReportPage &page, const Names &names, double y, double printableWidth, const QString &pageText)
{
    using namespace TemplateRows;
    constexpr double Height = 4; // mm
    constexpr double PageNumberWidth = 21;
    const auto memo = [&](const char *name, double x, double w, Font font, Align align,
                          const QString &text) -> TMemoView & {
        return addMemo(page, QString::fromUtf8(name), {x, y, w, Height}, font, align, text);
    };
    // A date with blanks in the short date format ("2024. 03. 15.") is a few px wider than the
    // memo less its gaps and would break into two lines, of which the 4 mm memo shows only one.
    // On one line it still fits the memo's rectangle.
    memo(names.date, 65, 13, Font::T6, Align::LB, QStringLiteral("[datum]")).WordWrap = false;
    memo(names.caption, 0, 21, Font::T6, Align::LB, QStringLiteral("Nyomtatvány száma:"));
    memo(names.formCode, 21, 17, Font::F9B, Align::LC, QStringLiteral("KTV3815"));
    memo(names.pageNumber, printableWidth - PageNumberWidth, PageNumberWidth, Font::T6, Align::LB, pageText);
    memo(names.identifier, 38, 26, Font::T6, Align::LB, QStringLiteral("([azon])"));
}

void add(TReportPage &page, const TopAndBottom &strips, double printableWidth, const QString &pageText)
{
    constexpr double TopRuleY = 5, RuleAboveStrip = 1; // mm
    add(page, strips.top, 0, printableWidth, pageText);
    TemplateRows::addHorizontalLine(page, QString::fromUtf8(strips.topRule), 0, TopRuleY, printableWidth);
    TemplateRows::addHorizontalLine(page, QString::fromUtf8(strips.bottomRule), 0, strips.bottomY - RuleAboveStrip,
                                    printableWidth);
    add(page, strips.bottom, strips.bottomY, printableWidth, pageText);
}

} // namespace PageStrip
