#include "Page1.h"
#include "Page2.h"
#include "Page3.h"
#include "PageUnits.h"
#include "PrintValueProvider.h"
#include "ReportFixtures.h"
#include "ReportTemplates.h"
#include "TReport.h"
#include "Windows1250.h"

#include <QRegularExpression>
#include <QTest>

namespace {

using PageBuilder = void (*)(TReportPage &);

QStringList objectNames(const TReportPage &page)
{
    QStringList names;
    for (const auto &object : page.Objects)
        names << object->Name;
    return names;
}

// The value slots of a page in drawing order, then text order within a memo.
QStringList slotNames(const TReportPage &page)
{
    static const QRegularExpression slot(QStringLiteral("\\[([^\\]]*)\\]"));
    QStringList names;
    for (const auto &object : page.Objects) {
        if (const auto *memo = dynamic_cast<const TMemoView *>(object.get())) {
            for (const QRegularExpressionMatch &match : slot.globalMatch(memo->Memo.join(u'\n')))
                names << match.captured(1);
        }
    }
    return names;
}

const TView *find(const TReportPage &page, const QString &name)
{
    for (const auto &object : page.Objects) {
        if (object->Name == name)
            return object.get();
    }
    return nullptr;
}

QStringList numbered(const QString &prefix, int first, int last)
{
    QStringList names;
    for (int n = first; n <= last; ++n)
        names << prefix + QString::number(n);
    return names;
}

QStringList page1Names()
{
    QStringList names = {"Memo1",  "Memo2",    "Memo5",  "Memo11",  "Memo46",   "Memo47",   "Line16",  "Line17",
                         "Memo30", "Memo64",   "Line1",  "Memo66",  "Picture1", "Picture2", "Memo67",  "Line24",
                         "Line40", "BarCode1", "Memo65", "Memo174", "Memo175",  "Memo176",  "Memo177", "Memo9",
                         "Memo10", "Memo13",   "Line4",  "Line6",   "Line5",    "Memo6",    "Memo7",   "Memo8",
                         "Memo22", "Memo25",   "Line19", "Memo23"};
    // The household table: names, places of birth, dates of birth, mothers' names, then the rules.
    names << QStringList{"Memo14", "Memo15", "Memo16", "Memo17", "Memo19",
                         "Memo20", "Memo21", "Memo28", "Memo29", "Memo73"}
          << numbered("Memo", 48, 57) << QStringList{"Memo31", "Memo36", "Memo37", "Memo38", "Memo39",
                                                     "Memo40", "Memo41", "Memo42", "Memo43", "Memo44"}
          << QStringList{"Memo58", "Memo59", "Memo60", "Memo61", "Memo62",
                         "Memo63", "Memo69", "Memo70", "Memo71", "Memo72"}
          << QStringList{"Line2",  "Line7",  "Line8",  "Line9",  "Line10", "Line11",
                         "Line12", "Line13", "Line14", "Line15", "Line18", "Line3"};
    names << QStringList{"Memo3",   "Memo4",   "Memo12", "Line20",  "Memo32",  "Memo33",  "Memo34",
                         "Line21",  "Memo35",  "Memo45", "Memo68",  "Line22",  "Memo74",  "Memo75",
                         "Memo76",  "Line23",  "Memo18", "Memo24",  "Memo26",  "Line28",  "Memo254",
                         "Memo255", "Memo256", "Line62", "Memo257", "Memo258", "Memo259", "Line63"};
    return names;
}

QStringList page2Names()
{
    QStringList names = {"Shape4", "Shape3", "Memo77", "Memo78", "Memo79", "Memo80", "Memo81",
                         "Line25", "Line26", "Memo82", "Memo83", "Memo84", "Memo85", "Memo86",
                         "Shape1", "Shape2", "Memo87", "Memo89", "Line27"};
    names << numbered("Line", 32, 39) << "Memo90" << numbered("Memo", 104, 115) << "Line41"
          << numbered("Memo", 116, 123) << numbered("Line", 42, 52);
    names << numbered("Memo", 124, 173) << numbered("Memo", 178, 244) << "Memo88";
    return names;
}

QStringList page3Names()
{
    return {"Memo27",  "Memo91",  "Memo92",  "Memo93",  "Memo94",  "Line29",  "Line30",  "Memo95",  "Memo96",
            "Memo97",  "Memo98",  "Memo99",  "Memo100", "Memo101", "Memo102", "Line31",  "Memo103", "Memo245",
            "Line53",  "Memo246", "Line54",  "Memo247", "Line55",  "Memo248", "Line56",  "Memo249", "Line57",
            "Memo250", "Line58",  "Memo251", "Line59",  "Memo252", "Line60",  "Memo253", "Line61"};
}

PageBuilder builder(int page)
{
    static const PageBuilder builders[] = {&buildPage1, &buildPage2, &buildPage3};
    return builders[page - 1];
}

TReportPage built(int number)
{
    TReportPage page(QStringLiteral("Page%1").arg(number));
    builder(number)(page);
    return page;
}

// Geometry in mm, rounded to the 0.1 mm grid of the templates.
QRectF mm(const TView &view)
{
    const auto round = [](double px) { return std::round(PageUnits::pxToMm(px) * 10) / 10; };
    return {round(view.Left), round(view.Top), round(view.Width), round(view.Height)};
}

} // namespace

class TestPageTemplates : public QObject
{
    Q_OBJECT
private slots:
    void drawingOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("Page1") << 1 << page1Names();
        QTest::newRow("Page2") << 2 << page2Names();
        QTest::newRow("Page3") << 3 << page3Names();
    }
    void drawingOrder()
    {
        QFETCH(int, page);
        QFETCH(QStringList, names);
        QCOMPARE(objectNames(built(page)), names);
    }

    void objectCounts()
    {
        QCOMPARE(built(1).Objects.size(), size_t(64 + 40 + 12));
        QCOMPARE(built(2).Objects.size(), size_t(61 + 117));
        QCOMPARE(built(3).Objects.size(), size_t(35));
    }

    void paper_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<QMarginsF>("margins"); // left, top, right, bottom
        QTest::newRow("Page1") << 1 << int(poPortrait) << QSizeF(210, 297) << QMarginsF(22, 10, 20, 25);
        QTest::newRow("Page2") << 2 << int(poLandscape) << QSizeF(297, 210) << QMarginsF(30, 20, 30, 30);
        QTest::newRow("Page3") << 3 << int(poPortrait) << QSizeF(210, 297) << QMarginsF(22, 30, 20, 30);
    }
    void paper()
    {
        QFETCH(int, page);
        QFETCH(int, orientation);
        QFETCH(QSizeF, paper);
        QFETCH(QMarginsF, margins);
        const TReportPage template_ = built(page);
        QCOMPARE(int(template_.Orientation), orientation);
        QCOMPARE(QSizeF(template_.PaperWidth, template_.PaperHeight), paper);
        QCOMPARE(template_.PaperSize, 9);
        QCOMPARE(QMarginsF(template_.LeftMargin, template_.TopMargin, template_.RightMargin, template_.BottomMargin),
                 margins);
    }

    void memoTexts_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("title") << 1 << "Memo1" << QStringList{"JÖVEDELEMNYILATKOZAT"};
        QTest::newRow("stamp box") << 1 << "Memo46" << QStringList{"illetékbélyeg", "helye"};
        QTest::newRow("office, trailing blank")
            << 1 << "Memo66"
            << QStringList{"Kökényvára Város Önkormányzata - Hatósági és Humán Szolgáltatási Iroda ",
                           "Egészségügyi, Szociális és Gyermekvédelmi Csoport nyomtatványa"};
        QTest::newRow("item 6 label") << 1 << "Memo254"
                                      << QStringList{"Ha az ellátást igénylő nem cselekvőképes, a törvényes "
                                                     "képviselő neve:"};
        QTest::newRow("household heading")
            << 1 << "Memo23" << QStringList{"A lakásban a kérelmező háztartásában együtt élők adatai:"};
        QTest::newRow("item 1b number") << 1 << "Memo13" << QStringList{"1b."};
        QTest::newRow("name slot") << 1 << "Memo47" << QStringList{"[m1]"};
        QTest::newRow("people slot") << 1 << "Memo24" << QStringList{"[m7]"};
        QTest::newRow("representative") << 1 << "Memo255"
                                        << QStringList{"[" + PrintValueProvider::RepresentativeName + "]"};
        QTest::newRow("representative address")
            << 1 << "Memo258" << QStringList{"[" + PrintValueProvider::RepresentativeAddress + "]"};
        QTest::newRow("household row 3 name") << 1 << "Memo16" << QStringList{"[m11]"};
        QTest::newRow("household row 10 mother") << 1 << "Memo72" << QStringList{"[m48]"};
        QTest::newRow("household row 1 date of birth") << 1 << "Memo31" << QStringList{"[m29]"};
        QTest::newRow("household row 1 place of birth") << 1 << "Memo48" << QStringList{"[m19]"};
        QTest::newRow("page 1 strip caption") << 1 << "Memo174" << QStringList{"Nyomtatvány száma:"};
        QTest::newRow("page 1 strip code") << 1 << "Memo175" << QStringList{"KTV3815"};
        QTest::newRow("page 1 strip page") << 1 << "Memo176" << QStringList{"Oldal: 3/1"};
        QTest::newRow("page 1 strip identifier") << 1 << "Memo177" << QStringList{"([azon])"};
        QTest::newRow("page 1 strip date") << 1 << "Memo65" << QStringList{"[datum]"};
        QTest::newRow("page 2 top page number") << 2 << "Memo80" << QStringList{"Oldal: 3/2"};
        QTest::newRow("page 2 bottom identifier") << 2 << "Memo86" << QStringList{"([azon])"};
        QTest::newRow("per-head label") << 2 << "Memo87" << QStringList{"Egy főre jutó havi családi nettó jövedelem:"};
        QTest::newRow("per-head value") << 2 << "Memo88" << QStringList{"[m8]"};
        QTest::newRow("heading applicant") << 2 << "Memo90" << QStringList{"kérelmező jövedelme"};
        QTest::newRow("heading g.,") << 2 << "Memo110" << QStringList{"g.,"};
        QTest::newRow("heading total") << 2 << "Memo111" << QStringList{"összesen"};
        QTest::newRow("row label 6")
            << 2 << "Memo116"
            << QStringList{"Önkormányzati és munkaügyi szervek által folyósított rendszeres pénzbeli ellátás "
                           "(munkanélküli járadék, rendszeres szociális és nevelési segély, jövedelempótló "
                           "támogatások, stb.)"};
        QTest::newRow("row label 13") << 2 << "Memo123" << QStringList{"A család havi nettó jövedelme összesen"};
        QTest::newRow("grid row 1 column 1") << 2 << "Memo124" << QStringList{"[m101]"};
        QTest::newRow("grid row 4 column 5") << 2 << "Memo155" << QStringList{"[m135]"};
        QTest::newRow("grid row 6 column 5") << 2 << "Memo173" << QStringList{"[m155]"};
        QTest::newRow("grid row 6 column 6") << 2 << "Memo178" << QStringList{"[m156]"};
        QTest::newRow("grid row 9 column 1") << 2 << "Memo200" << QStringList{"[m181]"};
        QTest::newRow("grid row 10 column 9") << 2 << "Memo217" << QStringList{"[m199]"};
        QTest::newRow("grid row 13 column 9") << 2 << "Memo244" << QStringList{"[m229]"};
        QTest::newRow("page 3 place") << 3 << "Memo100" << QStringList{"Kelt: Kökényvára,"};
        QTest::newRow("page 3 date") << 3 << "Memo101" << QStringList{"[datum]"};
        QTest::newRow("page 3 strip page") << 3 << "Memo98" << QStringList{"Oldal: 3/3"};
        QTest::newRow("spouse") << 3 << "Memo102" << QStringList{"házastárs (élettárs)"};
        QTest::newRow("applicant") << 3 << "Memo245" << QStringList{"igénylő"};
        QTest::newRow("relative") << 3 << "Memo253" << QStringList{"jövedelemmel rendelkező hozzátartozó"};
        QTest::newRow("declaration")
            << 3 << "Memo103"
            << QStringList{"Büntetőjogi felelősségem tudatában kijelentem, hogy a NYILATKOZAT-ban közölt adatok a "
                           "valóságnak megfelelnek.",
                           "",
                           "Tudomásul veszem, hogy a NYILATKOZAT-ban közölt adatok valódiságát a Szociális "
                           "igazgatásról és szociális ellátásokról szóló 1993. évi III. törvény 10.§ (2) bekezdése "
                           "alapján az önkormányzat a fővárosi, a megyei APEH útján ellenőrizheti."};
    }
    void memoTexts()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QStringList, lines);
        const TReportPage template_ = built(page);
        const auto *memo = dynamic_cast<const TMemoView *>(find(template_, name));
        QVERIFY(memo);
        QCOMPARE(memo->Memo, lines);
    }

    // Every text prints in the Windows-1250 code page.
    void textsAreWindows1250()
    {
        for (int number = 1; number <= 3; ++number) {
            const TReportPage page = built(number);
            for (const auto &object : page.Objects) {
                if (const auto *memo = dynamic_cast<const TMemoView *>(object.get()))
                    QVERIFY2(Windows1250::canEncode(memo->Memo.join(u'\n')), qPrintable(memo->Name));
            }
        }
    }

    void geometry_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("rect"); // mm
        QTest::newRow("title") << 1 << "Memo1" << QRectF(44, 25, 80, 7);
        QTest::newRow("stamp box in the margin") << 1 << "Memo46" << QRectF(134, -1, 24, 19);
        QTest::newRow("barcode") << 1 << "BarCode1" << QRectF(129, 29, 33.9, 9);
        QTest::newRow("vertical rule") << 1 << "Line17" << QRectF(42, 20, 0, 15);
        QTest::newRow("strip rule") << 1 << "Line40" << QRectF(0, 256, 168, 0);
        QTest::newRow("coat of arms") << 1 << "Picture1" << QRectF(0, 0, 15.9, 16.4);
        QTest::newRow("quality mark") << 1 << "Picture2" << QRectF(19, 0, 23.8, 16.4);
        QTest::newRow("household row 1 name") << 1 << "Memo14" << QRectF(10, 129, 56, 5);
        QTest::newRow("household row 10 mother") << 1 << "Memo72" << QRectF(127, 183, 41, 5);
        QTest::newRow("household row 5 date of birth") << 1 << "Memo39" << QRectF(67, 153, 24, 5);
        QTest::newRow("household row 7 place of birth") << 1 << "Memo54" << QRectF(92, 165, 34, 5);
        QTest::newRow("household rule above the headings") << 1 << "Line3" << QRectF(10, 122, 158, 0);
        QTest::newRow("household rule 1") << 1 << "Line2" << QRectF(10, 128, 158, 0);
        QTest::newRow("household last rule") << 1 << "Line18" << QRectF(10, 188, 158, 0);
        QTest::newRow("page 1 strip page number") << 1 << "Memo176" << QRectF(147, 257, 21, 4);
        QTest::newRow("net total shade") << 2 << "Shape4" << QRectF(0, 137, 236, 7);
        QTest::newRow("table body") << 2 << "Shape2" << QRectF(0, 19, 236, 125);
        QTest::newRow("page 2 top page number") << 2 << "Memo80" << QRectF(216, 0, 21, 4);
        QTest::newRow("page 2 bottom date") << 2 << "Memo82" << QRectF(65, 156, 13, 4);
        QTest::newRow("column rule 9") << 2 << "Line39" << QRectF(217.2, 9, 0, 134);
        QTest::newRow("longer rule") << 2 << "Line48" << QRectF(0, 109, 237, 0);
        QTest::newRow("rule left of the table") << 2 << "Line49" << QRectF(-1, 116, 236, 0);
        QTest::newRow("heading e.,") << 2 << "Memo108" << QRectF(161, 10, 17, 8);
        QTest::newRow("grid row 3 column 1") << 2 << "Memo142" << QRectF(67, 38, 17, 12);
        QTest::newRow("grid row 6 column 6") << 2 << "Memo178" << QRectF(161, 76, 17, 15);
        QTest::newRow("grid row 13 column 9") << 2 << "Memo244" << QRectF(218, 138, 17, 4);
        QTest::newRow("per-head value") << 2 << "Memo88" << QRectF(78, 146, 75, 6);
        QTest::newRow("declaration") << 3 << "Memo103" << QRectF(0, 13, 168, 31);
        QTest::newRow("page 3 bottom page number") << 3 << "Memo98" << QRectF(147, 233, 21, 4);
        QTest::newRow("signature line") << 3 << "Line58" << QRectF(92, 176, 72, 0);
        QTest::newRow("signature caption") << 3 << "Memo251" << QRectF(4, 177, 72, 5);
    }
    void geometry()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QRectF, rect);
        const TReportPage template_ = built(page);
        const TView *view = find(template_, name);
        QVERIFY(view);
        QCOMPARE(mm(*view), rect);
    }

    void lineDirections()
    {
        const TReportPage page = built(2);
        QCOMPARE(find(page, "Line27")->Frame.Typ, int(ftLeft));
        QCOMPARE(find(page, "Line41")->Frame.Typ, int(ftTop));
        QCOMPARE(find(page, "Memo124")->Frame.Typ, 0);
    }

    void fonts_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("height"); // px at 96 dpi
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("hAlign");
        QTest::addColumn<int>("vAlign");
        QTest::newRow("T11B CT") << 1 << "Memo1"
                                 << "Tahoma" << 15 << true << int(haCenter) << int(vaTop);
        QTest::newRow("T10B LT") << 1 << "Memo2"
                                 << "Tahoma" << 13 << true << int(haLeft) << int(vaTop);
        QTest::newRow("T8 LB") << 1 << "Memo5"
                               << "Tahoma" << 11 << false << int(haLeft) << int(vaBottom);
        QTest::newRow("T10 CC") << 1 << "Memo46"
                                << "Tahoma" << 13 << false << int(haCenter) << int(vaCenter);
        QTest::newRow("F14B CT") << 1 << "Memo64"
                                 << "Franklin Gothic Medium" << 19 << true << int(haCenter) << int(vaTop);
        QTest::newRow("T7B LB") << 1 << "Memo73"
                                << "Tahoma" << 9 << true << int(haLeft) << int(vaBottom);
        QTest::newRow("T6 LB") << 1 << "Memo177"
                               << "Tahoma" << 8 << false << int(haLeft) << int(vaBottom);
        QTest::newRow("F9B LC") << 2 << "Memo84"
                                << "Franklin Gothic Medium" << 12 << true << int(haLeft) << int(vaCenter);
        QTest::newRow("T8 LC") << 2 << "Memo89"
                               << "Tahoma" << 11 << false << int(haLeft) << int(vaCenter);
        QTest::newRow("T11 JT") << 2 << "Memo87"
                                << "Tahoma" << 15 << false << int(haBlock) << int(vaTop);
        QTest::newRow("T11B JT") << 2 << "Memo88"
                                 << "Tahoma" << 15 << true << int(haBlock) << int(vaTop);
        QTest::newRow("grid T8 CC") << 2 << "Memo124"
                                    << "Tahoma" << 11 << false << int(haCenter) << int(vaCenter);
        QTest::newRow("grid total column bold") << 2 << "Memo132"
                                                << "Tahoma" << 11 << true << int(haCenter) << int(vaCenter);
        QTest::newRow("grid sums bold") << 2 << "Memo200"
                                        << "Tahoma" << 11 << true << int(haCenter) << int(vaCenter);
        QTest::newRow("grid deduction") << 2 << "Memo226"
                                        << "Tahoma" << 11 << true << int(haCenter) << int(vaCenter);
        QTest::newRow("grid deduction column 8") << 2 << "Memo225"
                                                 << "Tahoma" << 11 << false << int(haCenter) << int(vaCenter);
        QTest::newRow("grid nets bold") << 2 << "Memo236"
                                        << "Tahoma" << 11 << true << int(haCenter) << int(vaCenter);
        QTest::newRow("T11 CC") << 3 << "Memo245"
                                << "Tahoma" << 15 << false << int(haCenter) << int(vaCenter);
    }
    void fonts()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(int, height);
        QFETCH(bool, bold);
        QFETCH(int, hAlign);
        QFETCH(int, vAlign);
        const TReportPage template_ = built(page);
        const auto *memo = dynamic_cast<const TMemoView *>(find(template_, name));
        QVERIFY(memo);
        QCOMPARE(memo->Font.Name, family);
        QCOMPARE(memo->Font.Height, height);
        QCOMPARE(bool(memo->Font.Style & Fonts::Bold), bold);
        QCOMPARE(int(memo->HAlign), hAlign);
        QCOMPARE(int(memo->VAlign), vAlign);
    }

    // Every memo keeps the memo defaults unless its page says otherwise. The strips' dates do
    // not wrap, so that a date with blanks stays on the strip's one line.
    void memoDefaults()
    {
        const QStringList stripDates = {"Memo65", "Memo77", "Memo82", "Memo27", "Memo95"};
        for (int number = 1; number <= 3; ++number) {
            const TReportPage page = built(number);
            for (const auto &object : page.Objects) {
                const auto *memo = dynamic_cast<const TMemoView *>(object.get());
                if (!memo)
                    continue;
                QCOMPARE(memo->WordWrap, !stripDates.contains(memo->Name));
                QCOMPARE(memo->GapX, 2.0);
                QCOMPARE(memo->GapY, 1.0);
                QCOMPARE(memo->LineSpacing, memo->Name == "Memo103" ? 4.0 : 2.0);
                QCOMPARE(memo->Frame.Typ, 0);
                if (memo->Name != "Memo11") {
                    QCOMPARE(memo->Font.Color, QColor(Qt::black));
                    QVERIFY(!memo->Color);
                }
            }
        }
    }

    void sectionHeadingIsWhiteOnBlack()
    {
        const TReportPage page = built(1);
        const auto *memo = dynamic_cast<const TMemoView *>(find(page, "Memo11"));
        QCOMPARE(memo->Font.Color, QColor(Qt::white));
        QCOMPARE(memo->Color, std::optional<QColor>(QColor(Qt::black)));
    }

    void invisibleObjects()
    {
        for (int number = 1; number <= 3; ++number) {
            const TReportPage page = built(number);
            QStringList invisible;
            for (const auto &object : page.Objects) {
                if (!object->Visible)
                    invisible << object->Name;
            }
            const QStringList expected = number == 1 ? QStringList{"Memo46", "BarCode1"} : QStringList();
            QCOMPARE(invisible, expected);
        }
    }

    void barcode()
    {
        const TReportPage page = built(1);
        const auto *barcode = dynamic_cast<const TBarCodeView *>(find(page, "BarCode1"));
        QVERIFY(barcode);
        QCOMPARE(barcode->Text, QStringLiteral("12345678"));
        QCOMPARE(int(barcode->BarType), int(bcCode39));
        QVERIFY(!barcode->ShowText);
        QCOMPARE(barcode->Zoom, 1.0);
        QCOMPARE(barcode->Rotation, 0);
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("coat of arms") << "Picture1" << QSize(60, 62);
        QTest::newRow("quality mark") << "Picture2" << QSize(90, 62);
    }
    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const TReportPage page = built(1);
        const auto *picture = dynamic_cast<const TPictureView *>(find(page, name));
        QVERIFY(picture);
        QCOMPARE(picture->Picture.size(), size);
        QVERIFY(picture->Picture.isGrayscale());
        QVERIFY(picture->AutoSize);
        QCOMPARE(QSizeF(picture->Width, picture->Height), QSizeF(size));
    }

    void shapes()
    {
        const TReportPage page = built(2);
        const auto fill = [&](const char *name) { return dynamic_cast<const TShapeView &>(*find(page, name)).Color; };
        QCOMPARE(fill("Shape4"), std::optional<QColor>(QColor(0xF0, 0xF0, 0xF0)));
        QCOMPARE(fill("Shape3"), std::optional<QColor>(QColor(0xF0, 0xF0, 0xF0)));
        QCOMPARE(fill("Shape1"), std::optional<QColor>(QColor(0xD8, 0xD8, 0xD8)));
        QCOMPARE(fill("Shape2"), std::optional<QColor>());
    }

    void signatureLinesAreDotted()
    {
        const TReportPage page = built(3);
        QStringList dotted;
        for (const auto &object : page.Objects) {
            if (dynamic_cast<const TLineView *>(object.get()) && object->Frame.Style == fsDot)
                dotted << object->Name;
        }
        QCOMPARE(dotted, QStringList({"Line31", "Line53", "Line54", "Line55", "Line56", "Line57", "Line58", "Line59",
                                      "Line60", "Line61"}));
        QCOMPARE(find(page, "Line29")->Frame.Style, fsSolid);
        QCOMPARE(find(page, "Memo247")->Frame.Style, fsDot);
    }

    void page1Slots()
    {
        QStringList expected = {"m1", "datum", "azon", "m2"};
        expected << numbered("m", 9, 48) << QStringList{"m3",
                                                        "m4",
                                                        "m5",
                                                        "m6",
                                                        "m7",
                                                        PrintValueProvider::RepresentativeName,
                                                        PrintValueProvider::RepresentativeAddress};
        QCOMPARE(slotNames(built(1)), expected);
    }

    // The column sums come before the net values that read them back, and "m229" before "m8".
    void page2SlotOrder()
    {
        QStringList expected = {"datum", "azon", "datum", "azon"};
        for (int first : {101, 111, 121, 131, 141, 151, 161, 171, 181, 191, 201, 211, 221})
            expected << numbered("m", first, first + 8);
        expected << "m8";
        QCOMPARE(slotNames(built(2)), expected);
    }

    void page3Slots() { QCOMPARE(slotNames(built(3)), QStringList({"datum", "azon", "datum", "azon", "datum"})); }

    void reportHoldsThePagesInOrder()
    {
        TReport report(ReportFixtures::logError);
        buildReportTemplates(report);
        QCOMPARE(report.Pages.size(), size_t(3));
        QCOMPARE(report.Pages[0]->Name, QStringLiteral("Page1"));
        QCOMPARE(report.Pages[1]->Name, QStringLiteral("Page2"));
        QCOMPARE(report.Pages[2]->Name, QStringLiteral("Page3"));
        QCOMPARE(objectNames(*report.Pages[1]), page2Names());
        QVERIFY(dynamic_cast<TBarCodeView *>(report.FindObject(u"barcode1")));
    }
};

QTEST_GUILESS_MAIN(TestPageTemplates)
#include "tst_pagetemplates.moc"
