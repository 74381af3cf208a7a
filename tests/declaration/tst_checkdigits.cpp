#include "CheckDigits.h"

#include <QTest>

namespace {

const QString TajWrong = QString::fromUtf8("A TAJ szám ellenőrző számjegye nem stimmel – kérjük, ellenőrizze.");
const QString TajShort = QString::fromUtf8("A TAJ szám 9 számjegyből áll, ez kevesebb – kérjük, ellenőrizze.");
const QString TajLong = QString::fromUtf8("A TAJ szám 9 számjegyből áll, ez több – kérjük, ellenőrizze.");
const QString IdWrong = QString::fromUtf8("Az adóazonosító jel ellenőrző számjegye nem stimmel – kérjük, ellenőrizze.");
const QString TaxWrong = QString::fromUtf8("Az adószám ellenőrző számjegye nem stimmel – kérjük, ellenőrizze.");
const QString TaxShort =
    QString::fromUtf8("Az adóazonosító jel 10, az adószám 11 számjegyből áll, ez kevesebb – kérjük, ellenőrizze.");
const QString TaxLong =
    QString::fromUtf8("Az adóazonosító jel 10, az adószám 11 számjegyből áll, ez több – kérjük, ellenőrizze.");
const QString NoEight =
    QString::fromUtf8("Az adóazonosító jel 8-cal kezdődik, az adószám 11 számjegyből áll – kérjük, ellenőrizze.");

} // namespace

class TestCheckDigits : public QObject
{
    Q_OBJECT
private slots:
    void hint_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint"); // empty: none

        QTest::newRow("TAJ right") << "Edit5"
                                   << "123456788" << QString();
        QTest::newRow("TAJ wrong") << "Edit5"
                                   << "123456789" << TajWrong;
        QTest::newRow("TAJ with blanks") << "Edit5"
                                         << " 123 456 788 " << QString();
        QTest::newRow("TAJ with hyphens") << "Edit5"
                                          << "123-456-788" << QString();
        QTest::newRow("TAJ wrong with blanks") << "Edit5"
                                               << "123 456 787" << TajWrong;
        QTest::newRow("TAJ beginning with 0") << "Edit5"
                                              << "037 687 210" << QString();
        QTest::newRow("TAJ short") << "Edit5"
                                   << "12345678" << TajShort;
        QTest::newRow("TAJ one digit") << "Edit5"
                                       << "1" << TajShort;
        QTest::newRow("TAJ long") << "Edit5"
                                  << "1234567880" << TajLong;
        QTest::newRow("tax number in the TAJ field") << "Edit5"
                                                     << "8123456786" << TajLong;
        QTest::newRow("TAJ empty") << "Edit5"
                                   << "" << QString();
        QTest::newRow("TAJ blanks and hyphens only") << "Edit5"
                                                     << " - " << QString();
        QTest::newRow("TAJ with a letter") << "Edit5"
                                           << "12345678a" << QString();
        QTest::newRow("TAJ with periods") << "Edit5"
                                          << "123.456.789" << QString();
        QTest::newRow("TAJ as words") << "Edit5"
                                      << "nincs" << QString();

        QTest::newRow("identification number right") << "Edit6"
                                                     << "8123456786" << QString();
        QTest::newRow("identification number wrong") << "Edit6"
                                                     << "8123456789" << IdWrong;
        QTest::newRow("identification number with blanks") << "Edit6"
                                                           << "8 123 456 786" << QString();
        // 8·1 + 3·2 + 3·3 + … + 8·9 = 252, remainder 10: no last digit makes it right, 0 included.
        QTest::newRow("remainder 10, last digit 0") << "Edit6"
                                                    << "8323456780" << IdWrong;
        QTest::newRow("remainder 10, last digit 9") << "Edit6"
                                                    << "8323-456-789" << IdWrong;
        QTest::newRow("10 digits not beginning with 8") << "Edit6"
                                                        << "1234567890" << NoEight;
        QTest::newRow("tax number right") << "Edit6"
                                          << "12345676-1-42" << QString();
        QTest::newRow("tax number wrong") << "Edit6"
                                          << "12345678-1-42" << TaxWrong;
        QTest::newRow("tax number undecorated") << "Edit6"
                                                << "12345676142" << QString();
        QTest::newRow("tax number with blanks") << "Edit6"
                                                << "1234 5676 1 42" << QString();
        // 9·1 + 7·2 + 3·3 + 1·4 + 9·5 + 7·6 + 3·9 = 150: the check digit is 0, not 10.
        QTest::newRow("tax number, sum ending in 0") << "Edit6"
                                                     << "12345690-1-42" << QString();
        QTest::newRow("tax number, 10 for 0") << "Edit6"
                                              << "12345691-1-42" << TaxWrong;
        QTest::newRow("TAJ in the tax field") << "Edit6"
                                              << "123456788" << TaxShort;
        QTest::newRow("tax short") << "Edit6"
                                   << "8" << TaxShort;
        QTest::newRow("tax long") << "Edit6"
                                  << "12345676-1-423" << TaxLong;
        QTest::newRow("tax empty") << "Edit6"
                                   << "" << QString();
        QTest::newRow("tax with letters") << "Edit6"
                                          << "HU12345676" << QString();
        QTest::newRow("tax with a slash") << "Edit6"
                                          << "12345676/1/42" << QString();
    }
    void hint()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, hint);
        QCOMPARE(field == "Edit5" ? CheckDigits::tajHint(text) : CheckDigits::taxNumberHint(text), hint);
    }
};

QTEST_GUILESS_MAIN(TestCheckDigits)
#include "tst_checkdigits.moc"
