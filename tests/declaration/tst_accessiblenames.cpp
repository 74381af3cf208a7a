#include "AccessibleNames.h"
#include "FieldCatalogue.h"

#include <QSet>
#include <QTest>

class TestAccessibleNames : public QObject
{
    Q_OBJECT
private slots:
    void spokenLabel_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("colon") << QString::fromUtf8("Igénylő neve:") << QString::fromUtf8("Igénylő neve");
        QTest::newRow("colon and blank") << QStringLiteral("száma: ") << QStringLiteral("száma");
        QTest::newRow("row letter keeps its comma") << QStringLiteral("a.,") << QStringLiteral("a.,");
        QTest::newRow("row number keeps its period") << QStringLiteral("10.") << QStringLiteral("10.");
        QTest::newRow("only one colon goes") << QStringLiteral("x::") << QStringLiteral("x:");
        QTest::newRow("colon inside stays") << QStringLiteral("a: b") << QStringLiteral("a: b");
        QTest::newRow("empty") << QString() << QString();
    }
    void spokenLabel()
    {
        QFETCH(QString, label);
        QFETCH(QString, spoken);
        QCOMPARE(AccessibleNames::spoken(label), spoken);
    }

    void placeUsesAnEnDash()
    {
        const QString place = AccessibleNames::place(QStringLiteral("Egyéb"), QStringLiteral("a.,"));
        QCOMPARE(place, QString::fromUtf8("Egyéb \xE2\x80\x93 a.,"));
        QCOMPARE(place.at(6).unicode(), char16_t(0x2013));
    }

    void fieldNames_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name");
        QTest::newRow("text field") << "Edit1" << QString::fromUtf8("Igénylő neve");
        QTest::newRow("long caption") << "Edit7"
                                      << QString::fromUtf8(
                                             "Ha az ellátást igénylő nem cselekvőképes, a törvényes képviselő neve");
        QTest::newRow("household count, trailing blank")
            << "PBNumEdit1" << QString::fromUtf8("Az igénylővel egy háztartásban élő közeli hozzátartozók száma");
        QTest::newRow("table") << "AdvStringGrid1"
                               << QString::fromUtf8("Az igénylővel egy háztartásban élő közeli hozzátartozók adatai");
        QTest::newRow("applicant's row")
            << "PBNumEdit2"
            << QString::fromUtf8("Munkaviszonyból, munkavégzésre irányuló egyéb jogviszonyból származó jövedelem, "
                                 "táppénz – Kérelmező jövedelme");
        QTest::newRow("member row a") << "PBNumEdit66" << QString::fromUtf8("Egyéb – a.,");
        QTest::newRow("member row g") << "PBNumEdit72" << QString::fromUtf8("Egyéb – g.,");
        QTest::newRow("total") << "PBNumEdit73" << QString::fromUtf8("Egyéb – Összesen");
        QTest::newRow("tax group total") << "PBNumEdit100"
                                         << QString::fromUtf8("Munkavállalói járulék összege – Összesen");
        QTest::newRow("tax group row c") << "PBNumEdit86"
                                         << QString::fromUtf8("Egészségbiztosítási és nyugdíjjárulék összege – c.,");
    }
    void fieldNames()
    {
        QFETCH(QString, field);
        QFETCH(QString, name);
        QCOMPARE(AccessibleNames::ofField(*FieldCatalogue::find(field)), name);
    }

    // A screen-reader user tells the fields apart by their names alone.
    void everyFieldHasItsOwnName()
    {
        QSet<QString> names;
        const int count = int(FieldCatalogue::fields().size());
        for (int i = 0; i < count; ++i) {
            const QString name = AccessibleNames::ofField(i);
            QVERIFY2(!name.isEmpty(), qPrintable(FieldCatalogue::fields()[i].name));
            QVERIFY2(!name.endsWith(u':'), qPrintable(name));
            names.insert(name);
        }
        QCOMPARE(names.size(), count);
    }

    void rowLabelsAreTheShownOnes()
    {
        const QStringList shown = {QString::fromUtf8("Kérelmező jövedelme:"),
                                   "a.,",
                                   "b.,",
                                   "c.,",
                                   "d.,",
                                   "e.,",
                                   "f.,",
                                   "g.,",
                                   QString::fromUtf8("Összesen:")};
        for (int p = 1; p <= FieldCatalogue::GroupPositions; ++p)
            QCOMPARE(FieldCatalogue::rowLabel(p), shown[p - 1]);
    }
};

QTEST_GUILESS_MAIN(TestAccessibleNames)
#include "tst_accessiblenames.moc"
