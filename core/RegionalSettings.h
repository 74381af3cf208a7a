#pragma once
#include <QChar>
#include <QString>
#include <optional>

// The user's regional settings for numbers and dates. Read afresh at each use from the system
// locale, so that a change of settings while the program runs takes effect at the next use.
struct RegionalSettings
{
    QChar decimalSeparator;
    QChar thousandSeparator;
    QString shortDateFormat; // a QDate format, e.g. "yyyy. MM. dd."

    static RegionalSettings current();

    static RegionalSettings hungarian(); // ",", U+00A0, "yyyy. MM. dd."
    static RegionalSettings english();   // ".", ",", "M/d/yyyy"

    // Tests pin the settings instead of depending on the machine; nullopt returns to the system's.
    static void pinForTesting(std::optional<RegionalSettings> settings);
};
