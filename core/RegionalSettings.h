#pragma once
#include "ScopedValue.h"

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

    static RegionalSettings hungarian() { return {u',', QChar(0x00A0), QStringLiteral("yyyy. MM. dd.")}; }
    static RegionalSettings english() { return {u'.', u',', QStringLiteral("M/d/yyyy")}; }

    class PinForTesting;
};

// Tests pin the settings instead of depending on the machine, for as long as the pin lives; the
// settings read before it (the system's, or an outer pin's) come back when it ends.
class RegionalSettings::PinForTesting
{
public:
    explicit PinForTesting(const RegionalSettings &settings);

private:
    ScopedValue<std::optional<RegionalSettings>> m_pinned;
};
