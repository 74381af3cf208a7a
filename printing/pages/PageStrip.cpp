#include "PageStrip.h"
#include "TemplateRows.h"

namespace PageStrip {

void add(TReportPage &page, const Names &names, double y, double printableWidth, const QString &pageText)
{
    using namespace TemplateRows;
    constexpr double H = 4; // mm
    constexpr double PageNumberWidth = 21;
    // A date with blanks in the short date format ("2024. 03. 15.") is a few px wider than the
    // memo less its gaps and would break into two lines, of which the 4 mm memo shows only one.
    // On one line it still fits the memo's rectangle.
    const Row rows[] = {
        {Kind::Memo, names.date, 65, y, 13, H, Font::T6, Align::LB, "[datum]", OneLine},
        {Kind::Memo, names.caption, 0, y, 21, H, Font::T6, Align::LB, "Nyomtatvány száma:"},
        {Kind::Memo, names.formCode, 21, y, 17, H, Font::F9B, Align::LC, "KTV3815"},
        {Kind::Memo, names.pageNumber, printableWidth - PageNumberWidth, y, PageNumberWidth, H, Font::T6, Align::LB,
         pageText},
        {Kind::Memo, names.identifier, 38, y, 26, H, Font::T6, Align::LB, "([azon])"},
    };
    TemplateRows::add(page, rows);
}

void add(TReportPage &page, const TopAndBottom &strips, double printableWidth, const QString &pageText)
{
    using TemplateRows::Kind;
    constexpr double TopRuleY = 5, RuleAboveStrip = 1; // mm
    add(page, strips.top, 0, printableWidth, pageText);
    TemplateRows::add(page, {Kind::HLine, strips.topRule, 0, TopRuleY, printableWidth, 0});
    TemplateRows::add(page, {Kind::HLine, strips.bottomRule, 0, strips.bottomY - RuleAboveStrip, printableWidth, 0});
    add(page, strips.bottom, strips.bottomY, printableWidth, pageText);
}

} // namespace PageStrip
