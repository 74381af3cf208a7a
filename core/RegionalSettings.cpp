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

RegionalSettings::PinForTesting::PinForTesting(const RegionalSettings &settings) : m_pinned(pinned, settings) {}
