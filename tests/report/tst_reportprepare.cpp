#include "Error.h"
#include "RegionalSettings.h"
#include "ReportFixtures.h"

#include <QBuffer>
#include <QTest>

using namespace ReportFixtures;

// Preparing a report: value slots resolved once each, in order; errors end the preparation.
class TestReportPrepare : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void slotsResolvedInTemplateOrder();
    void invisibleObjectsNeitherResolvedNorDrawn();
    void floatingValuesFollowTheRegionalSettings_data();
    void floatingValuesFollowTheRegionalSettings();
    void unansweredNameEndsThePreparation();
    void conversionErrorEndsThePreparation();
    void previousPagesDropped();
    void findsObjectsOnAnyPageIgnoringCase();
    void pageGeometry();
    void linesAndFrames();
    void shapesAndFills();
    void visibleBarcodeDrawsCode39();
    void pictureOnWhite();
    void expressionsSwitchedOff();

private:
    const RegionalSettings::PinForTesting m_hungarian{RegionalSettings::hungarian()};
    QStringList m_asked;
    QStringList m_errors;
    TReport m_report{[this](const QString &message) { m_errors << message; }};
};

void TestReportPrepare::init()
{
    m_report.Pages.clear();
    m_asked.clear();
    m_errors.clear();
    m_report.OnGetValue = [this](const QString &name, PrintValue &value) {
        m_asked << name;
        value = QStringLiteral("<%1>").arg(name);
    };
}

void TestReportPrepare::slotsResolvedInTemplateOrder()
{
    TReportPage &first = m_report.addPage(QStringLiteral("Page1"));
    memo(first, QStringLiteral("MemoB"), QStringLiteral("[b] and [a]"), 0, 50);
    memo(first, QStringLiteral("MemoA"), QStringLiteral("([c])"), 0, 10); // higher up, but later in the order
    TReportPage &second = m_report.addPage(QStringLiteral("Page2"));
    memo(second, QStringLiteral("MemoD"), QStringLiteral("Oldal: [d]\n[e]"), 0, 0);

    QVERIFY(m_report.PrepareReport(true));
    QCOMPARE(m_asked, QStringList({"b", "a", "c", "d", "e"}));
    QCOMPARE(m_report.preparedPages().size(), size_t(2));
    QCOMPARE(texts(m_report.preparedPages()[0]), QStringList({"<b> and <a>", "(<c>)"}));
    QCOMPARE(texts(m_report.preparedPages()[1]), QStringList({"Oldal: <d> <e>"}));
    QVERIFY(m_errors.isEmpty());
}

void TestReportPrepare::invisibleObjectsNeitherResolvedNorDrawn()
{
    TReportPage &page = m_report.addPage(QStringLiteral("Page1"));
    memo(page, QStringLiteral("Memo46"), QStringLiteral("[hidden]"), 134, -1).Visible = false;
    line(page, QStringLiteral("Line1"), 0, 10, 100).Visible = false;
    memo(page, QStringLiteral("Memo1"), QStringLiteral("shown"), 0, 0);
    QVERIFY(m_report.PrepareReport(true));
    QVERIFY(m_asked.isEmpty());
    QCOMPARE(m_report.preparedPages()[0].items.size(), size_t(1));
    QVERIFY(m_report.FindObject(u"memo46") != nullptr); // still there
}

void TestReportPrepare::floatingValuesFollowTheRegionalSettings_data()
{
    QTest::addColumn<bool>("hungarian");
    QTest::addColumn<QString>("text");
    QTest::newRow("Hungarian") << true << "1234,5 / -1500 / 0 / 1E15";
    QTest::newRow("English") << false << "1234.5 / -1500 / 0 / 1E15";
}

void TestReportPrepare::floatingValuesFollowTheRegionalSettings()
{
    QFETCH(bool, hungarian);
    QFETCH(QString, text);
    const RegionalSettings::PinForTesting settings(hungarian ? RegionalSettings::hungarian()
                                                             : RegionalSettings::english());
    m_report.OnGetValue = [](const QString &name, PrintValue &value) { value = name.toDouble(); };
    memo(m_report.addPage(QStringLiteral("Page1")), QStringLiteral("Memo1"),
         QStringLiteral("[1234.5] / [-1500] / [0] / [1e15]"), 0, 0, 150);
    QVERIFY(m_report.PrepareReport(true));
    QCOMPARE(texts(m_report.preparedPages()[0]), QStringList({text}));
}

void TestReportPrepare::unansweredNameEndsThePreparation()
{
    m_report.OnGetValue = [this](const QString &name, PrintValue &value) {
        m_asked << name;
        if (name != QStringLiteral("xyz"))
            value = QStringLiteral("ok");
    };
    TReportPage &page = m_report.addPage(QStringLiteral("Page1"));
    memo(page, QStringLiteral("Memo1"), QStringLiteral("[a]"), 0, 0);
    memo(page, QStringLiteral("Memo2"), QStringLiteral("[xyz] [b]"), 0, 10);
    memo(page, QStringLiteral("Memo3"), QStringLiteral("[c]"), 0, 20);
    QVERIFY(!m_report.PrepareReport(true));
    QCOMPARE(m_asked, QStringList({"a", "xyz"}));
    QCOMPARE(m_errors, QStringList({QStringLiteral("Unknown variable \"xyz\"")}));
    QVERIFY(m_report.preparedPages().empty());
}

void TestReportPrepare::conversionErrorEndsThePreparation()
{
    m_report.OnGetValue = [this](const QString &name, PrintValue &value) {
        m_asked << name;
        if (name == QStringLiteral("m122"))
            throw Error::invalidFloat(QStringLiteral("12a"));
        value = 1.0;
    };
    memo(m_report.addPage(QStringLiteral("Page1")), QStringLiteral("Memo1"), QStringLiteral("[m101]"), 0, 0);
    TReportPage &page2 = m_report.addPage(QStringLiteral("Page2"));
    memo(page2, QStringLiteral("Memo2"), QStringLiteral("[m122]"), 0, 0);
    memo(page2, QStringLiteral("Memo3"), QStringLiteral("[m123]"), 0, 10);
    QVERIFY(!m_report.PrepareReport(true));
    QCOMPARE(m_asked, QStringList({"m101", "m122"}));
    QCOMPARE(m_errors, QStringList({QStringLiteral("'12a' is not a valid floating point value")}));
    QVERIFY(m_report.preparedPages().empty());
}

void TestReportPrepare::previousPagesDropped()
{
    memo(m_report.addPage(QStringLiteral("Page1")), QStringLiteral("Memo1"), QStringLiteral("[a]"), 0, 0);
    QVERIFY(m_report.PrepareReport(true));
    QVERIFY(m_report.PrepareReport(true));
    QCOMPARE(m_report.preparedPages().size(), size_t(1));
    QCOMPARE(m_asked.size(), 2); // once per slot and preparation
    QVERIFY(m_report.PrepareReport(false));
    QCOMPARE(m_report.preparedPages().size(), size_t(2));
}

void TestReportPrepare::findsObjectsOnAnyPageIgnoringCase()
{
    buildThreePages(m_report);
    TView *barcode = m_report.FindObject(u"barcode1");
    QVERIFY(barcode);
    QCOMPARE(barcode->Name, QStringLiteral("BarCode1"));
    QVERIFY(dynamic_cast<TBarCodeView *>(barcode));
    QCOMPARE(m_report.FindObject(u"MEMO99")->Name, QStringLiteral("Memo99")); // on page 3
    QCOMPARE(m_report.FindObject(u"BarCode2"), nullptr);
}

void TestReportPrepare::pageGeometry()
{
    buildThreePages(m_report);
    QVERIFY(m_report.PrepareReport(true));
    const auto &pages = m_report.preparedPages();
    QCOMPARE(pages.size(), size_t(3));
    QCOMPARE(pages[0].paperMm, QSizeF(210, 297));
    QVERIFY(!pages[0].landscape);
    QCOMPARE(pages[0].originMm, QPointF(22, 10));
    QCOMPARE(pages[1].paperMm, QSizeF(297, 210));
    QVERIFY(pages[1].landscape);
    QCOMPARE(pages[1].originMm, QPointF(30, 20));
    QCOMPARE(pages[2].originMm, QPointF(22, 30));
}

void TestReportPrepare::linesAndFrames()
{
    TReportPage &page = m_report.addPage(QStringLiteral("Page1"));
    line(page, QStringLiteral("Line1"), 10, 20, 30);
    line(page, QStringLiteral("Line2"), 10, 20, 15, true).Frame.Style = fsDot;
    TMemoView &framed = memo(page, QStringLiteral("Memo1"), QString(), 1, 2, 3, 4);
    framed.Frame.Typ = ftLeft | ftBottom;
    QVERIFY(m_report.PrepareReport(true));
    const auto &items = m_report.preparedPages()[0].items;
    QCOMPARE(items.size(), size_t(5));
    const auto &horizontal = std::get<LineItem>(items[0]);
    using PageUnits::mmToPx;
    QCOMPARE(horizontal.line, QLineF(mmToPx(10), mmToPx(20), mmToPx(40), mmToPx(20)));
    QCOMPARE(horizontal.width, 1.0);
    QCOMPARE(horizontal.color, QColor(Qt::black));
    QVERIFY(!horizontal.dotted);
    const auto &vertical = std::get<LineItem>(items[1]);
    QCOMPARE(vertical.line, QLineF(mmToPx(10), mmToPx(20), mmToPx(10), mmToPx(35)));
    QVERIFY(vertical.dotted);
    QVERIFY(std::holds_alternative<TextBlock>(items[2]));
    QCOMPARE(std::get<LineItem>(items[3]).line, QLineF(mmToPx(1), mmToPx(2), mmToPx(1), mmToPx(6)));
    QCOMPARE(std::get<LineItem>(items[4]).line, QLineF(mmToPx(1), mmToPx(6), mmToPx(4), mmToPx(6)));
}

void TestReportPrepare::shapesAndFills()
{
    TReportPage &page = m_report.addPage(QStringLiteral("Page1"));
    auto &filled = page.add<TShapeView>(QStringLiteral("Shape1"));
    filled.Width = 100;
    filled.Height = 20;
    filled.Color = QColor(0xF0, 0xF0, 0xF0);
    page.add<TShapeView>(QStringLiteral("Shape2")).Width = 50;
    TMemoView &heading = memo(page, QStringLiteral("Memo11"), QStringLiteral("x"), 0, 0);
    heading.Color = QColor(Qt::black);
    heading.Font.Color = Qt::white;
    QVERIFY(m_report.PrepareReport(true));
    const auto &items = m_report.preparedPages()[0].items;
    QCOMPARE(items.size(), size_t(4));
    QCOMPARE(std::get<RectItem>(items[0]).fill, std::optional<QColor>(QColor(0xF0, 0xF0, 0xF0)));
    QCOMPARE(std::get<RectItem>(items[0]).outline, std::optional<QColor>(QColor(Qt::black)));
    QCOMPARE(std::get<RectItem>(items[1]).fill, std::nullopt);
    QCOMPARE(std::get<RectItem>(items[1]).outline, std::optional<QColor>(QColor(Qt::black)));
    QCOMPARE(std::get<RectItem>(items[2]).fill, std::optional<QColor>(QColor(Qt::black))); // fill under the text
    QCOMPARE(std::get<TextBlock>(items[3]).color, QColor(Qt::white));
}

void TestReportPrepare::visibleBarcodeDrawsCode39()
{
    TReportPage &page = m_report.addPage(QStringLiteral("Page1"));
    auto &barcode = page.add<TBarCodeView>(QStringLiteral("BarCode1"));
    barcode.Left = 10;
    barcode.Top = 20;
    barcode.Height = 34;
    barcode.Text = QStringLiteral("19833982");
    QVERIFY(m_report.PrepareReport(true));
    const auto &items = m_report.preparedPages()[0].items;
    QCOMPARE(items.size(), size_t(5 * 10)); // five bars for each of 8 characters, start and stop
    const auto &first = std::get<RectItem>(items.front());
    QCOMPARE(first.rect, QRectF(10, 20, 1, 34));
    QCOMPARE(first.fill, std::optional<QColor>(QColor(Qt::black)));

    barcode.Visible = false;
    QVERIFY(m_report.PrepareReport(true));
    QVERIFY(m_report.preparedPages()[0].items.empty());
}

void TestReportPrepare::pictureOnWhite()
{
    QImage image(60, 62, QImage::Format_Grayscale8);
    image.fill(80);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");

    TReportPage &page = m_report.addPage(QStringLiteral("Page1"));
    auto &picture = page.add<TPictureView>(QStringLiteral("Picture1"));
    picture.Left = 5;
    picture.loadJpeg(jpeg);
    page.add<TPictureView>(QStringLiteral("Picture2")).Width = 7; // no image: only the background
    QVERIFY(m_report.PrepareReport(true));
    const auto &items = m_report.preparedPages()[0].items;
    QCOMPARE(items.size(), size_t(3));
    QCOMPARE(std::get<RectItem>(items[0]).rect, QRectF(5, 0, 60, 62));
    QCOMPARE(std::get<RectItem>(items[0]).fill, std::optional<QColor>(QColor(Qt::white)));
    QCOMPARE(std::get<ImageItem>(items[1]).rect, QRectF(5, 0, 60, 62));
    QCOMPARE(std::get<RectItem>(items[2]).rect, QRectF(0, 0, 7, 0));
}

void TestReportPrepare::expressionsSwitchedOff()
{
    TReportPage &page = m_report.addPage(QStringLiteral("Page1"));
    memo(page, QStringLiteral("Memo1"), QStringLiteral("[m1]"), 0, 0).AllowExpressions = false;
    memo(page, QStringLiteral("Memo2"), QStringLiteral("{m2} [m3]"), 0, 10).ExpressionDelimiters =
        QStringLiteral("{,}");
    QVERIFY(m_report.PrepareReport(true));
    QCOMPARE(m_asked, QStringList({"m2"}));
    QCOMPARE(texts(m_report.preparedPages()[0]), QStringList({"[m1]", "<m2> [m3]"}));
}

QTEST_MAIN(TestReportPrepare)
#include "tst_reportprepare.moc"
