#include "Page3.h"
#include "PageStrip.h"
#include "TemplateRows.h"

using namespace TemplateRows;

namespace {

constexpr double PrintableWidth = 168.0; // mm

// The captions carry the dotted frame style without frame lines, so no frame prints.
const Row Declaration[] = {
    {Kind::Memo, "Memo100", 2.0, 57.0, 40.0, 6.0, Font::T11, Align::JT, "Kelt: Kökényvára,"},
    {Kind::Memo, "Memo101", 42.0, 57.0, 45.0, 6.0, Font::T11, Align::JT, "[datum]"},
    {Kind::Memo, "Memo102", 92.0, 84.0, 72.0, 4.0, Font::T11, Align::CC, "házastárs (élettárs)", Dotted},
    {Kind::HLine, "Line31", 92.0, 83.0, 72.0, 0, Font::None, Align::None, "", Dotted},
    {Kind::Memo, "Memo103", 0.0, 13.0, 168.0, 31.0, Font::T11, Align::JT,
     "Büntetőjogi felelősségem tudatában kijelentem, hogy a NYILATKOZAT-ban közölt adatok a valóságnak megfelelnek.\n"
     "\n"
     "Tudomásul veszem, hogy a NYILATKOZAT-ban közölt adatok valódiságát a Szociális igazgatásról és szociális "
     "ellátásokról szóló 1993. évi III. törvény 10.§ (2) bekezdése alapján az önkormányzat a fővárosi, a megyei "
     "APEH útján ellenőrizheti.",
     WideSpacing},
    {Kind::Memo, "Memo245", 4.0, 84.0, 72.0, 4.0, Font::T11, Align::CC, "igénylő", Dotted},
    {Kind::HLine, "Line53", 4.0, 83.0, 72.0, 0, Font::None, Align::None, "", Dotted},
};

// The signature lines of the relatives with income: four rows, the right one first.
void addRelativeSignatures(TReportPage &page)
{
    constexpr double RowY[] = {114.0, 145.0, 177.0, 208.0}; // mm
    for (int i = 0; i < 8; ++i) {
        const double x = i % 2 ? 4.0 : 92.0, y = RowY[i / 2];
        add(page, {Kind::Memo, QStringLiteral("Memo%1").arg(246 + i), x, y, 72.0, 5.0, Font::T11, Align::CC,
                   "jövedelemmel rendelkező hozzátartozó", Dotted});
        add(page, {Kind::HLine, QStringLiteral("Line%1").arg(54 + i), x, y - 1, 72.0, 0, Font::None, Align::None, "",
                   Dotted});
    }
}

} // namespace

void buildPage3(TReportPage &page)
{
    setA4(page, poPortrait, 22, 20, 30, 30);

    PageStrip::add(page,
                   {{"Memo27", "Memo91", "Memo92", "Memo93", "Memo94"},
                    "Line29",
                    "Line30",
                    {"Memo95", "Memo96", "Memo97", "Memo98", "Memo99"},
                    233.0},
                   PrintableWidth, QStringLiteral("Oldal: 3/3"));
    add(page, Declaration);
    addRelativeSignatures(page);
}
