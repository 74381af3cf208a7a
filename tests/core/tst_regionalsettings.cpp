#include "RegionalSettings.h"

#include <QTest>

namespace {
QStringList fieldsOf(const RegionalSettings &settings)
{
    return {settings.decimalSeparator, settings.thousandSeparator, settings.shortDateFormat};
}
} // namespace

// The pins that tests put on the regional settings: each gives back what was read before it.
class TestRegionalSettings : public QObject
{
    Q_OBJECT
private slots:
    void pinsNestAndGiveTheEarlierSettingsBack()
    {
        const QStringList system = fieldsOf(RegionalSettings::current());
        {
            const RegionalSettings::PinForTesting hungarian(RegionalSettings::hungarian());
            QCOMPARE(fieldsOf(RegionalSettings::current()), fieldsOf(RegionalSettings::hungarian()));
            {
                const RegionalSettings::PinForTesting english(RegionalSettings::english());
                QCOMPARE(fieldsOf(RegionalSettings::current()), fieldsOf(RegionalSettings::english()));
            }
            QCOMPARE(fieldsOf(RegionalSettings::current()), fieldsOf(RegionalSettings::hungarian()));
        }
        QCOMPARE(fieldsOf(RegionalSettings::current()), system);
    }
};

QTEST_GUILESS_MAIN(TestRegionalSettings)
#include "tst_regionalsettings.moc"
