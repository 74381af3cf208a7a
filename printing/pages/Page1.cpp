#include "Page1.h"
#include "PageStrip.h"
#include "TemplateRows.h"

#include <array>

using namespace TemplateRows;

namespace {

// Title block, office line and items 1 and 1b, up to the page strip.
const Row TitleBlock[] = {
    {Kind::Memo, "Memo1", 44.0, 25.0, 80.0, 7.0, Font::T11B, Align::CT, "JÖVEDELEMNYILATKOZAT"},
    {Kind::Memo, "Memo2", 128.0, 22.0, 23.0, 5.0, Font::T10B, Align::LT, "Iktatószám:"},
    {Kind::Memo, "Memo5", 10.0, 53.0, 32.0, 5.0, Font::T8, Align::LB, "Az ellátást igénylő neve:"},
    {Kind::Memo, "Memo11", 2.0, 47.0, 31.0, 5.0, Font::T10B, Align::LT, "Személyi adatok", WhiteOnBlack},
    // The stamp box lies partly in the top margin.
    {Kind::Memo, "Memo46", 134.0, -1.0, 24.0, 19.0, Font::T10, Align::CC, "illetékbélyeg\nhelye", Invisible},
    {Kind::Memo, "Memo47", 42.0, 53.0, 125.0, 5.0, Font::T10B, Align::LB, "[m1]"},
    {Kind::HLine, "Line16", 0.0, 35.0, 168.0, 0},
    {Kind::VLine, "Line17", 42.0, 20.0, 0, 15.0},
    {Kind::Memo, "Memo30", 1.0, 23.0, 39.0, 4.0, Font::T8, Align::CT, "Nyomtatvány száma:"},
    {Kind::Memo, "Memo64", 1.0, 27.0, 39.0, 6.0, Font::F14B, Align::CT, "KTV3815"},
    {Kind::HLine, "Line1", 0.0, 45.0, 168.0, 0},
    // The first line of the office name ends with a blank.
    {Kind::Memo, "Memo66", 2.0, 36.0, 163.0, 8.0, Font::T8B, Align::CC,
     "Kökényvára Város Önkormányzata - Hatósági és Humán Szolgáltatási Iroda \n"
     "Egészségügyi, Szociális és Gyermekvédelmi Csoport nyomtatványa"},
    // The pictures take their images' sizes: 60 x 62 and 90 x 62 px.
    {Kind::Picture, "Picture1", 0.0, 0.0, 15.9, 16.4, Font::None, Align::None, ":/pictures/coat-of-arms.jpg"},
    {Kind::Picture, "Picture2", 19.0, 0.0, 23.8, 16.4, Font::None, Align::None, ":/pictures/quality-mark.jpg"},
    {Kind::Memo, "Memo67", 2.0, 53.0, 8.0, 5.0, Font::T8B, Align::LB, "1."},
    {Kind::HLine, "Line24", 0.0, 59.0, 168.0, 0},
    {Kind::HLine, "Line40", 0.0, 256.0, 168.0, 0},
    // The print command writes the print identifier into the barcode's text.
    {Kind::BarCode, "BarCode1", 129.0, 29.0, 33.9, 9.0, Font::None, Align::None, "", Invisible},
};

// Items 1b to 9 up to the household table's rows.
const Row PersonalItems[] = {
    {Kind::Memo, "Memo9", 10.0, 60.0, 32.0, 5.0, Font::T8, Align::LB, "Leánykori név:"},
    {Kind::Memo, "Memo10", 42.0, 60.0, 125.0, 5.0, Font::T10B, Align::LB, "[m2]"},
    {Kind::Memo, "Memo13", 2.0, 60.0, 8.0, 5.0, Font::T8B, Align::LB, "1b."},
    {Kind::HLine, "Line4", 0.0, 52.0, 168.0, 0},
    {Kind::HLine, "Line6", 0.0, 190.0, 168.0, 0},
    {Kind::VLine, "Line5", 126.0, 20.0, 0, 15.0},
    {Kind::Memo, "Memo6", 10.0, 123.0, 56.0, 4.0, Font::T8, Align::LB, "Neve:"},
    {Kind::Memo, "Memo7", 67.0, 123.0, 24.0, 4.0, Font::T8, Align::LB, "Születési idő:"},
    {Kind::Memo, "Memo8", 92.0, 123.0, 34.0, 4.0, Font::T8, Align::LB, "Születési hely:"},
    {Kind::Memo, "Memo22", 2.0, 116.0, 8.0, 5.0, Font::T8B, Align::LB, "9."},
    {Kind::Memo, "Memo25", 127.0, 123.0, 41.0, 4.0, Font::T8, Align::LB, "Anyja neve:"},
    {Kind::HLine, "Line19", 0.0, 66.0, 168.0, 0},
    {Kind::Memo, "Memo23", 10.0, 116.0, 84.0, 5.0, Font::T8B, Align::LB,
     "A lakásban a kérelmező háztartásában együtt élők adatai:"},
};

// Items 2 to 8, then the legal representative (items 6 and 7).
const Row AddressItems[] = {
    {Kind::Memo, "Memo3", 10.0, 67.0, 63.0, 5.0, Font::T8, Align::LB,
     "Az ellátást igénylő bejelentett lakóhelyének címe:"},
    {Kind::Memo, "Memo4", 73.0, 67.0, 94.0, 5.0, Font::T10B, Align::LB, "[m3]"},
    {Kind::Memo, "Memo12", 2.0, 67.0, 8.0, 5.0, Font::T8B, Align::LB, "2."},
    {Kind::HLine, "Line20", 0.0, 73.0, 168.0, 0},
    {Kind::Memo, "Memo32", 10.0, 74.0, 63.0, 5.0, Font::T8, Align::LB,
     "Az ellátást igénylő tartózkodási helyének címe:"},
    {Kind::Memo, "Memo33", 73.0, 74.0, 94.0, 5.0, Font::T10B, Align::LB, "[m4]"},
    {Kind::Memo, "Memo34", 2.0, 74.0, 8.0, 5.0, Font::T8B, Align::LB, "3."},
    {Kind::HLine, "Line21", 0.0, 80.0, 168.0, 0},
    {Kind::Memo, "Memo35", 10.0, 81.0, 16.0, 5.0, Font::T8, Align::LB, "TAJ száma:"},
    {Kind::Memo, "Memo45", 26.0, 81.0, 141.0, 5.0, Font::T10B, Align::LB, "[m5]"},
    {Kind::Memo, "Memo68", 2.0, 81.0, 8.0, 5.0, Font::T8B, Align::LB, "4."},
    {Kind::HLine, "Line22", 0.0, 87.0, 168.0, 0},
    {Kind::Memo, "Memo74", 10.0, 88.0, 16.0, 5.0, Font::T8, Align::LB, "Adószáma:"},
    {Kind::Memo, "Memo75", 26.0, 88.0, 141.0, 5.0, Font::T10B, Align::LB, "[m6]"},
    {Kind::Memo, "Memo76", 2.0, 88.0, 8.0, 5.0, Font::T8B, Align::LB, "5."},
    {Kind::HLine, "Line23", 0.0, 94.0, 168.0, 0},
    {Kind::Memo, "Memo18", 10.0, 109.0, 55.0, 5.0, Font::T8, Align::LB, "Az igénylővel egy háztartásban élők száma:"},
    {Kind::Memo, "Memo24", 65.0, 109.0, 102.0, 5.0, Font::T10B, Align::LB, "[m7]"},
    {Kind::Memo, "Memo26", 2.0, 109.0, 8.0, 5.0, Font::T8B, Align::LB, "8."},
    {Kind::HLine, "Line28", 0.0, 115.0, 168.0, 0},
    {Kind::Memo, "Memo254", 10.0, 95.0, 89.0, 5.0, Font::T8, Align::LB,
     "Ha az ellátást igénylő nem cselekvőképes, a törvényes képviselő neve:"},
    {Kind::Memo, "Memo255", 99.0, 95.0, 68.0, 5.0, Font::T10B, Align::LB, "[kepvnev]"},
    {Kind::Memo, "Memo256", 2.0, 95.0, 8.0, 5.0, Font::T8B, Align::LB, "6."},
    {Kind::HLine, "Line62", 0.0, 101.0, 168.0, 0},
    {Kind::Memo, "Memo257", 10.0, 102.0, 67.0, 5.0, Font::T8, Align::LB,
     "A törvényes képviselő bejelentett lakóhelyének címe:"},
    {Kind::Memo, "Memo258", 77.0, 102.0, 90.0, 5.0, Font::T10B, Align::LB, "[kepvcim]"},
    {Kind::Memo, "Memo259", 2.0, 102.0, 8.0, 5.0, Font::T8B, Align::LB, "7."},
    {Kind::HLine, "Line63", 0.0, 108.0, 168.0, 0},
};

// The household table (item 9): one column of ten value slots per column of the window's
// household members table, in the order of their print variables.
struct HouseholdColumn
{
    double x, w;               // mm
    int firstVariable;         // the slot of row r is "m" + (firstVariable + r - 1)
    std::array<int, 10> memos; // MemoN of rows 1-10
};

constexpr HouseholdColumn HouseholdColumns[] = {
    {10.0, 56.0, 9, {14, 15, 16, 17, 19, 20, 21, 28, 29, 73}},   // "Neve:"
    {92.0, 34.0, 19, {48, 49, 50, 51, 52, 53, 54, 55, 56, 57}},  // "Születési hely:"
    {67.0, 24.0, 29, {31, 36, 37, 38, 39, 40, 41, 42, 43, 44}},  // "Születési idő:"
    {127.0, 41.0, 39, {58, 59, 60, 61, 62, 63, 69, 70, 71, 72}}, // "Anyja neve:"
};

// The table's rules every 6 mm from y 128 to 188, then the one above its headings at y 122.
constexpr std::array<int, 12> HouseholdRules = {2, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18, 3};

void addHouseholdTable(TReportPage &page)
{
    constexpr double HeadingY = 123.0, RowPitch = 6.0, RowHeight = 5.0; // mm
    for (const HouseholdColumn &column : HouseholdColumns) {
        for (int row = 1; row <= 10; ++row) {
            add(page, {Kind::Memo, QStringLiteral("Memo%1").arg(column.memos[row - 1]), column.x,
                       HeadingY + RowPitch * row, column.w, RowHeight, Font::T7B, Align::LB,
                       QStringLiteral("[m%1]").arg(column.firstVariable + row - 1)});
        }
    }
    constexpr double RuleX = 10.0, RuleWidth = 158.0, FirstRuleY = 128.0, HeadingRuleY = 122.0;
    for (int i = 0; i < int(HouseholdRules.size()); ++i) {
        const bool heading = i + 1 == int(HouseholdRules.size());
        add(page, {Kind::HLine, QStringLiteral("Line%1").arg(HouseholdRules[i]), RuleX,
                   heading ? HeadingRuleY : FirstRuleY + RowPitch * i, RuleWidth, 0});
    }
}

} // namespace

void buildPage1(TReportPage &page)
{
    setA4(page, poPortrait, 22, 20, 10, 25);

    add(page, TitleBlock);
    PageStrip::add(page, {"Memo65", "Memo174", "Memo175", "Memo176", "Memo177"}, 257.0, 168.0,
                   QStringLiteral("Oldal: 3/1"));
    add(page, PersonalItems);
    addHouseholdTable(page);
    add(page, AddressItems);
}
