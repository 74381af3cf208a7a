#include "Page3.h"
#include "PageStrip.h"
#include "TemplateRows.h"

using namespace TemplateRows;

namespace {

constexpr double PrintableWidth = 168.0; // mm

constexpr char Relative[] = "jövedelemmel rendelkező hozzátartozó";

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
    {Kind::Memo, "Memo246", 92.0, 114.0, 72.0, 5.0, Font::T11, Align::CC, Relative, Dotted},
    {Kind::HLine, "Line54", 92.0, 113.0, 72.0, 0, Font::None, Align::None, "", Dotted},
    {Kind::Memo, "Memo247", 4.0, 114.0, 72.0, 5.0, Font::T11, Align::CC, Relative, Dotted},
    {Kind::HLine, "Line55", 4.0, 113.0, 72.0, 0, Font::None, Align::None, "", Dotted},
    {Kind::Memo, "Memo248", 92.0, 145.0, 72.0, 5.0, Font::T11, Align::CC, Relative, Dotted},
    {Kind::HLine, "Line56", 92.0, 144.0, 72.0, 0, Font::None, Align::None, "", Dotted},
    {Kind::Memo, "Memo249", 4.0, 145.0, 72.0, 5.0, Font::T11, Align::CC, Relative, Dotted},
    {Kind::HLine, "Line57", 4.0, 144.0, 72.0, 0, Font::None, Align::None, "", Dotted},
    {Kind::Memo, "Memo250", 92.0, 177.0, 72.0, 5.0, Font::T11, Align::CC, Relative, Dotted},
    {Kind::HLine, "Line58", 92.0, 176.0, 72.0, 0, Font::None, Align::None, "", Dotted},
    {Kind::Memo, "Memo251", 4.0, 177.0, 72.0, 5.0, Font::T11, Align::CC, Relative, Dotted},
    {Kind::HLine, "Line59", 4.0, 176.0, 72.0, 0, Font::None, Align::None, "", Dotted},
    {Kind::Memo, "Memo252", 92.0, 208.0, 72.0, 5.0, Font::T11, Align::CC, Relative, Dotted},
    {Kind::HLine, "Line60", 92.0, 207.0, 72.0, 0, Font::None, Align::None, "", Dotted},
    {Kind::Memo, "Memo253", 4.0, 208.0, 72.0, 5.0, Font::T11, Align::CC, Relative, Dotted},
    {Kind::HLine, "Line61", 4.0, 207.0, 72.0, 0, Font::None, Align::None, "", Dotted},
};

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
}
