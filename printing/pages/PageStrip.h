#pragma once
#include <QString>

class TReportPage;

// The strip at the top or bottom of every printed page: "Nyomtatvány száma:", the form code,
// the print identifier in parentheses, the print date and, at the right edge, the page number.
namespace PageStrip {

// The memo names in drawing order: date, caption, form code, page number, identifier.
struct Names
{
    const char *date;
    const char *caption;
    const char *formCode;
    const char *pageNumber;
    const char *identifier;
};

// y and the printable width in mm; pageText such as "Oldal: 3/1".
void add(TReportPage &page, const Names &names, double y, double printableWidth, const QString &pageText);

// A strip at the top of the page with its rule 5 mm down, then the rule of the bottom strip
// 1 mm above it and the bottom strip.
struct TopAndBottom
{
    Names top;
    const char *topRule;
    const char *bottomRule;
    Names bottom;
    double bottomY; // mm
};

void add(TReportPage &page, const TopAndBottom &strips, double printableWidth, const QString &pageText);

} // namespace PageStrip
