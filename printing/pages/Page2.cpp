#include "Page2.h"
#include "PageStrip.h"
#include "TemplateRows.h"

#include <array>

using namespace TemplateRows;

namespace {

constexpr double PrintableWidth = 237.0; // mm
constexpr int ShadeGrey = 0xF0F0F0, HeadingGrey = 0xD8D8D8;

// The shaded total rows come first so that the rules and values lie on top of them.
const Row TotalRowShades[] = {
    {Kind::Shape, "Shape4", 0.0, 137.0, 236.0, 7.0, Font::None, Align::None, "", NoFlags, ShadeGrey},
    {Kind::Shape, "Shape3", 0.0, 109.0, 236.0, 7.0, Font::None, Align::None, "", NoFlags, ShadeGrey},
};

const Row TableFrame[] = {
    {Kind::Shape, "Shape1", 0.0, 9.0, 236.0, 10.0, Font::None, Align::None, "", NoFlags, HeadingGrey},
    {Kind::Shape, "Shape2", 0.0, 19.0, 236.0, 125.0},
    {Kind::Memo, "Memo87", 2.0, 146.0, 75.0, 6.0, Font::T11, Align::JT, "Egy főre jutó havi családi nettó jövedelem:"},
    {Kind::Memo, "Memo89", 1.0, 20.0, 65.0, 7.0, Font::T8, Align::LC,
     "Munkaviszonyból, munkavégzésre irányuló egyéb jogviszonyból származó jövedelem, táppénz"},
};

// x of the nine value columns: the applicant, household members a.-g. and the total.
constexpr std::array<double, 9> ColumnX = {67.0, 86.0, 105.0, 124.0, 143.0, 161.0, 180.0, 199.0, 218.0};
constexpr double ColumnWidth = 17.0;

// The headings of the value columns.
constexpr const char *ColumnHeadings[] = {
    "kérelmező jövedelme", "a.,", "b.,", "c.,", "d.,", "e.,", "f.,", "g.,", "összesen"};

const Row RowLabels[] = {
    {Kind::Memo, "Memo112", 1.0, 29.0, 65.0, 7.0, Font::T8, Align::LC,
     "Társas és egyéni vállalkozásból származó jövedelem"},
    {Kind::Memo, "Memo113", 1.0, 39.0, 65.0, 11.0, Font::T8, Align::LC,
     "Ingatlan, ingó vagyontárgyak értékesítéséből, vagyoni értékű jog átruházásából származó jövedelem"},
    {Kind::Memo, "Memo114", 1.0, 53.0, 65.0, 7.0, Font::T8, Align::LC,
     "Nyugellátás, baleseti nyugellátás, egyéb nyugdíjszerű ellátások"},
    {Kind::Memo, "Memo115", 1.0, 63.0, 65.0, 11.0, Font::T8, Align::LC,
     "A gyermek ellátásához és gondozásához kapcsolódó támogatások (GYED, GYES, GYET, családi pótlék, "
     "gyermektartásdíj, stb.)"},
    {Kind::HLine, "Line41", 0.0, 28.0, 236.0, 0},
    {Kind::Memo, "Memo116", 1.0, 77.0, 65.0, 14.0, Font::T8, Align::LC,
     "Önkormányzati és munkaügyi szervek által folyósított rendszeres pénzbeli ellátás (munkanélküli járadék, "
     "rendszeres szociális és nevelési segély, jövedelempótló támogatások, stb.)"},
    {Kind::Memo, "Memo117", 1.0, 94.0, 65.0, 4.0, Font::T8, Align::LC, "Föld bérbeadásából származó jövedelem"},
    {Kind::Memo, "Memo118", 1.0, 101.0, 65.0, 7.0, Font::T8, Align::LC,
     "Egyéb (pl. ösztöndíj, értékpapírból származó jövedelem, kis összegű kifizetések, stb.)"},
    {Kind::Memo, "Memo119", 1.0, 111.0, 65.0, 4.0, Font::T8B, Align::LC, "Összes bruttó jövedelem"},
    {Kind::Memo, "Memo120", 1.0, 118.0, 65.0, 4.0, Font::T8, Align::LC, "Személyi jövedelemadó, vagy előleg összege"},
    {Kind::Memo, "Memo121", 1.0, 125.0, 65.0, 4.0, Font::T8, Align::LC,
     "Egészségbiztosítási és nyugdíjjárulék összege"},
    {Kind::Memo, "Memo122", 1.0, 132.0, 65.0, 4.0, Font::T8, Align::LC, "Munkavállalói járulék összege"},
    {Kind::Memo, "Memo123", 1.0, 138.0, 65.0, 4.0, Font::T8B, Align::LC, "A család havi nettó jövedelme összesen"},
    {Kind::HLine, "Line42", 0.0, 37.0, 236.0, 0},
    {Kind::HLine, "Line43", 0.0, 51.0, 236.0, 0},
    {Kind::HLine, "Line44", 0.0, 61.0, 236.0, 0},
    {Kind::HLine, "Line45", 0.0, 75.0, 236.0, 0},
    {Kind::HLine, "Line46", 0.0, 92.0, 236.0, 0},
    {Kind::HLine, "Line47", 0.0, 99.0, 236.0, 0},
    {Kind::HLine, "Line48", 0.0, 109.0, 237.0, 0},
    {Kind::HLine, "Line49", -1.0, 116.0, 236.0, 0},
    {Kind::HLine, "Line50", 0.0, 123.0, 236.0, 0},
    {Kind::HLine, "Line51", 0.0, 130.0, 236.0, 0},
    {Kind::HLine, "Line52", 0.0, 137.0, 236.0, 0},
};

// The amount grid, row by row: income groups 1-8, the column sums, deduction groups 9-11 and
// the net values. Column c of a row shows print variable "m" + (firstVariable + c - 1).
struct GridRow
{
    double y, h; // mm
    int firstVariable;
    bool allBold; // the total rows; elsewhere only the total column is bold
};

constexpr GridRow GridRows[] = {
    {20.0, 7.0, 101, false},  {29.0, 7.0, 111, false},  {38.0, 12.0, 121, false}, {52.0, 8.0, 131, false},
    {62.0, 12.0, 141, false}, {76.0, 15.0, 151, false}, {93.0, 5.0, 161, false},  {100.0, 8.0, 171, false},
    {110.0, 5.0, 181, true},  {117.0, 5.0, 191, false}, {124.0, 5.0, 201, false}, {131.0, 5.0, 211, false},
    {138.0, 4.0, 221, true},
};

// The grid memos are numbered from Memo124 on, row by row, skipping Memo174-Memo177, which
// belong to page 1's strip.
QString gridMemoName(int row, int column)
{
    constexpr int FirstMemo = 124, SkippedFrom = 174, Skipped = 4;
    int number = FirstMemo + 9 * (row - 1) + (column - 1);
    if (number >= SkippedFrom)
        number += Skipped;
    return QStringLiteral("Memo%1").arg(number);
}

// The column rules, 18.9 mm apart, then the column headings.
void addColumns(TReportPage &page)
{
    constexpr double RuleX[] = {66.0, 84.9, 103.8, 122.7, 141.6, 160.5, 179.4, 198.3, 217.2}; // mm
    for (int c = 0; c < int(std::size(RuleX)); ++c)
        add(page, {Kind::VLine, QStringLiteral("Line%1").arg(c == 0 ? 27 : 31 + c), RuleX[c], 9.0, 0, 134.0});
    constexpr double HeadingY = 10.0, HeadingHeight = 8.0;
    for (int c = 0; c < int(ColumnX.size()); ++c) {
        add(page, {Kind::Memo, QStringLiteral("Memo%1").arg(c == 0 ? 90 : 103 + c), ColumnX[c], HeadingY, ColumnWidth,
                   HeadingHeight, Font::T8B, Align::CC, ColumnHeadings[c]});
    }
}

void addAmountGrid(TReportPage &page)
{
    for (int r = 0; r < int(std::size(GridRows)); ++r) {
        const GridRow &row = GridRows[r];
        for (int c = 0; c < int(ColumnX.size()); ++c) {
            const bool totalColumn = c + 1 == int(ColumnX.size());
            add(page, {Kind::Memo, gridMemoName(r + 1, c + 1), ColumnX[c], row.y, ColumnWidth, row.h,
                       row.allBold || totalColumn ? Font::T8B : Font::T8, Align::CC,
                       QStringLiteral("[m%1]").arg(row.firstVariable + c)});
        }
    }
}

} // namespace

void buildPage2(TReportPage &page)
{
    setA4(page, poLandscape, 30, 30, 20, 30);

    add(page, TotalRowShades);
    PageStrip::add(page,
                   {{"Memo77", "Memo78", "Memo79", "Memo80", "Memo81"},
                    "Line25",
                    "Line26",
                    {"Memo82", "Memo83", "Memo84", "Memo85", "Memo86"},
                    156.0},
                   PrintableWidth, QStringLiteral("Oldal: 3/2"));
    add(page, TableFrame);
    addColumns(page);
    add(page, RowLabels);
    addAmountGrid(page);
    add(page, Row{Kind::Memo, "Memo88", 78.0, 146.0, 75.0, 6.0, Font::T11B, Align::JT, "[m8]"});
}
