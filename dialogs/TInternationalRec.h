#pragma once
#include <QString>
#include <array>

// One language of the dialogs' fixed captions: [0] the input box's Cancel button, [1]-[5] the
// window titles of mtWarning .. mtCustom (mtCustom empty: the application's title is used),
// [6]-[16] the captions of mbYes .. mbHelp.
struct TInternationalRec
{
    std::array<const char *, 17> texts; // UTF-8

    QString text(int entry) const { return QString::fromUtf8(texts[entry]); }
};

namespace LanguageTable {

constexpr int English = 0;
constexpr int Hungarian = 10;
constexpr int RowCount = 12;

// Rows by index: English, Russian, Portuguese, Turkish, German, Dutch, French, Greek, Spanish,
// Italian, Hungarian, Romanian. An index past the table falls back to English.
const TInternationalRec &row(int language);

} // namespace LanguageTable
