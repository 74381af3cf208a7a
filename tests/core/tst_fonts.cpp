#include "Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

class TestFonts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::installLookAlikes(); }

    void everyNamedFontHasAFaceWithHungarianLetters_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("lookAlike");
        QTest::newRow("Tahoma") << "Tahoma"
                                << "Tahoma";
        const bool scaled = qApp->devicePixelRatio() > 1;
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << (scaled ? "Tahoma" : "MS Sans Serif");
        QTest::newRow("Arial") << "Arial"
                               << "Liberation Sans";
        QTest::newRow("Verdana") << "Verdana"
                                 << "DejaVu Sans";
        QTest::newRow("Franklin Gothic Medium") << "Franklin Gothic Medium"
                                                << "Libre Franklin Medium";
    }
    void everyNamedFontHasAFaceWithHungarianLetters()
    {
        QFETCH(QString, family);
        QFETCH(QString, lookAlike);
        for (int style : {int(Fonts::Regular), int(Fonts::Bold)}) {
            const QFont font = Fonts::byPixelHeight(family, 13, style);
            const QFontInfo resolved(font);
            // The real font wins where the machine has it.
            QVERIFY2(resolved.family() == family || resolved.family() == lookAlike, qPrintable(resolved.family()));
            // Asked for by the family that draws it, so that Qt finds the face without fallbacks.
            QCOMPARE(font.family(), resolved.family());
            // A scaled screen needs outlines; bitmaps of one size would be drawn small.
            if (qApp->devicePixelRatio() > 1)
                QVERIFY2(QFontDatabase::isSmoothlyScalable(resolved.family(), resolved.styleName()),
                         qPrintable(resolved.family()));
            const QFontMetrics metrics(font);
            for (char32_t letter : {U'ő', U'ű', U'Ő', U'Ű', U'á', U'é'})
                QVERIFY2(metrics.inFontUcs4(letter), qPrintable(resolved.family()));
        }
    }

    void pixelHeightIsTheCharacterHeight()
    {
        const QFont font = Fonts::byPixelHeight(QStringLiteral("Arial"), 27, Fonts::Bold);
        QCOMPARE(font.pixelSize(), 27);
        QVERIFY(font.bold());
        QVERIFY(!font.italic());
        QVERIFY(Fonts::byPixelHeight(QStringLiteral("Arial"), 15, Fonts::Italic).italic());
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
