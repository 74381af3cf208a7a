#pragma once
#include "TReportPage.h"

#include <QAnyStringView>
#include <span>

// The page templates are written as tables: one row per object, in drawing order, with the
// geometry in mm from the printable area's top-left corner, the font and alignment codes of the
// paper form and the exact text.
namespace TemplateRows {

enum class Kind { Memo, HLine, VLine, Shape, Picture, BarCode };

// T = Tahoma, F = Franklin Gothic Medium; the number is the point size, B bold.
enum class Font { None, T6, T7B, T8, T8B, T10, T10B, T11, T11B, F9B, F14B };

// Horizontal (Left, Centre, Justified), then vertical (Top, Centre, Bottom).
enum class Align { None, LT, CT, JT, LC, CC, LB };

enum Flag {
    NoFlags = 0,
    Invisible = 1,    // kept on the page, found by name, never printed
    Dotted = 2,       // dotted frame style; for lines the dotted pen
    WhiteOnBlack = 4, // white text on a black fill
    WideSpacing = 8,  // 4 px between lines instead of 2
    OneLine = 16,     // no word wrap
};

// A row may view a computed name or text only while the call that adds it runs.
struct Row
{
    Kind kind;
    QAnyStringView name;
    double x, y, w, h; // mm; a horizontal line uses w, a vertical one h
    Font font = Font::None;
    Align align = Align::None;
    // Memo: the lines separated by '\n'; picture: the resource of its JPEG image.
    QAnyStringView text = "";
    int flags = NoFlags;
    // A shape's fill as 0xRRGGBB; negative for none.
    int fill = -1;
};

// An A4 sheet as it lies (a landscape sheet is 297 mm wide) with its margins in mm.
void setA4(TReportPage &page, TPrinterOrientation orientation, double left, double right, double top, double bottom);

void add(TReportPage &page, const Row &row);
void add(TReportPage &page, std::span<const Row> rows);

} // namespace TemplateRows
