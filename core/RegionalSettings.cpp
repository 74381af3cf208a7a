#include "RegionalSettings.h"

#include <QLocale>

namespace {
std::optional<RegionalSettings> pinned;

QChar firstOr(const QString &text, QChar fallback)
{
    return text.isEmpty() ? fallback : text.front();
}
} // namespace

RegionalSettings RegionalSettings::current()
{
    if (pinned)
        return *pinned;
    const QLocale system = QLocale::system();
    return {firstOr(system.decimalPoint(), u'.'), firstOr(system.groupSeparator(), u','),
            system.dateFormat(QLocale::ShortFormat)};
}

RegionalSettings RegionalSettings::hungarian()
{
    return {u',', QChar(0x00A0), QStringLiteral("yyyy. MM. dd.")};
}

RegionalSettings RegionalSettings::english()
{
    return {u'.', u',', QStringLiteral("M/d/yyyy")};
}

RegionalSettings::PinForTesting::PinForTesting(const RegionalSettings &settings) : m_pinned(pinned, settings) {}
