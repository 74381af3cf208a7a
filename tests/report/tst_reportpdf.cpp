#include "Error.h"
#include "PagePrinting.h"
#include "PdfProbe.h"
#include "PdfTextSizes.h"
#include "PreviewPages.h"
#include "PrintFonts.h"
#include "RegionalSettings.h"
#include "ReportFixtures.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace ReportFixtures;

// The printer path and the PDF file: page sizes and orientations, objects landing at their
// millimetre positions on the paper, and text at its whole point size there and in the preview.
class TestReportPdf : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void threePagesThroughThePrinter();
    void writePdfGivesTheSamePages();
    void pageRangeOfThePrinter();
    void textLandsAtItsPosition();
    void fontHeightsPrintAtWholePoints_data();
    void fontHeightsPrintAtWholePoints();
    void previewDrawsTheSamePointSizes_data();
    void previewDrawsTheSamePointSizes();
    void linesLandAtTheirPositions();
    void dottedLineIsOneOnThreeOff();
    void unwritableFileIsAnError();

private:
    QString pdfPath(const QString &name) const { return m_dir.filePath(name); }
    bool prepare();
    void addFontSizePage(int height, int style);
    static void verifyTextSizes(const QString &pdf, double points);
    void toPdf(QPrinter &printer, const QString &name) const
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath(name));
    }

    const RegionalSettings::PinForTesting m_hungarian{RegionalSettings::hungarian()};
    QTemporaryDir m_dir;
    TReport m_report{logError};
};

namespace {
constexpr int RenderDpi = 254; // 10 pixels per mm

QString answer(const QString &name)
{
    return name == QStringLiteral("azon") ? QStringLiteral("19833982") : QStringLiteral("v-%1").arg(name);
}

// Rows (or columns) of the image whose pixel at the given column (row) is dark.
std::vector<int> darkAlong(const QImage &image, bool rows, int at)
{
    std::vector<int> dark;
    const int count = rows ? image.height() : image.width();
    for (int i = 0; i < count; ++i) {
        if (qGray(rows ? image.pixel(at, i) : image.pixel(i, at)) < 128)
            dark.push_back(i);
    }
    return dark;
}
} // namespace

void TestReportPdf::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestReportPdf::init()
{
    m_report.Pages.clear();
    m_report.OnGetValue = [](const QString &name, PrintValue &value) { value = answer(name); };
}

bool TestReportPdf::prepare()
{
    return m_report.PrepareReport(true);
}

void TestReportPdf::threePagesThroughThePrinter()
{
    buildThreePages(m_report);
    QVERIFY(prepare());
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, QStringLiteral("printer.pdf"));
    PagePrinting::print(printer, m_report.preparedPages());

    const std::vector<QSize> sizes = PdfProbe::pageSizes(pdfPath(QStringLiteral("printer.pdf")));
    QCOMPARE(sizes, std::vector<QSize>({QSize(595, 842), QSize(842, 595), QSize(595, 842)}));
    QVERIFY(PdfProbe::text(pdfPath(QStringLiteral("printer.pdf")), 1).contains(QStringLiteral("(19833982)")));
    QVERIFY(PdfProbe::text(pdfPath(QStringLiteral("printer.pdf")), 2).contains(QStringLiteral("v-m229")));
    QVERIFY(PdfProbe::text(pdfPath(QStringLiteral("printer.pdf")), 3).contains(QStringLiteral("v-datum")));
}

void TestReportPdf::writePdfGivesTheSamePages()
{
    buildThreePages(m_report);
    QVERIFY(prepare());
    const QString pdf = pdfPath(QStringLiteral("direct.pdf"));
    PagePrinting::writePdf(pdf, m_report.preparedPages());
    QCOMPARE(PdfProbe::pageSizes(pdf), std::vector<QSize>({QSize(595, 842), QSize(842, 595), QSize(595, 842)}));
    for (int page = 1; page <= 3; ++page) {
        QCOMPARE(PdfProbe::words(pdf, page).size(),
                 PdfProbe::words(pdfPath(QStringLiteral("printer.pdf")), page).size());
    }
}

void TestReportPdf::pageRangeOfThePrinter()
{
    buildThreePages(m_report);
    QVERIFY(prepare());
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, QStringLiteral("range.pdf"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    PagePrinting::print(printer, m_report.preparedPages());
    QCOMPARE(PdfProbe::pageSizes(pdfPath(QStringLiteral("range.pdf"))),
             std::vector<QSize>({QSize(842, 595), QSize(595, 842)}));
}

void TestReportPdf::textLandsAtItsPosition()
{
    TReportPage &page = m_report.addPage(QStringLiteral("Page2"));
    setA4(page, true, 30, 20);
    memo(page, QStringLiteral("Memo1"), QStringLiteral("XQZ"), 50, 100, 40, 6).Font.Height = 15;
    QVERIFY(prepare());
    const QString pdf = pdfPath(QStringLiteral("text.pdf"));
    PagePrinting::writePdf(pdf, m_report.preparedPages());
    const std::vector<PdfProbe::Word> words = PdfProbe::words(pdf, 1);
    QCOMPARE(words.size(), size_t(1));
    QCOMPARE(words[0].text, QStringLiteral("XQZ"));
    // The text starts GapX (2 px = 0.53 mm) right of the memo's left edge at 30 + 50 mm.
    const double left = 30 + 50 + 2 / PageUnits::PxPerMm;
    QVERIFY2(qAbs(words[0].boxPt.left() / PdfProbe::PointsPerMm - left) < 0.2,
             qPrintable(QString::number(words[0].boxPt.left() / PdfProbe::PointsPerMm)));
    // Its line box starts at the memo's top edge plus GapY, within the font's own leading.
    const double top = words[0].boxPt.top() / PdfProbe::PointsPerMm;
    QVERIFY2(top > 120 - 0.2 && top < 120 + 1.0, qPrintable(QString::number(top)));
    // 11 pt text: the line box is about 11 pt high.
    QVERIFY(words[0].boxPt.height() > 9 && words[0].boxPt.height() < 16);
}

void TestReportPdf::fontHeightsPrintAtWholePoints_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("printerDpi");
    QTest::addColumn<int>("points");
    const int table[][2] = {{8, 6}, {9, 7}, {11, 8}, {12, 9}, {13, 10}, {15, 11}, {19, 14}};
    for (const auto &row : table)
        QTest::addRow("%d px", row[0]) << row[0] << int(Fonts::Regular) << 1200 << row[1];
    QTest::newRow("13 px bold") << 13 << int(Fonts::Bold) << 1200 << 10;
    QTest::newRow("11 px, 300 dpi printer") << 11 << int(Fonts::Regular) << 300 << 8;
    QTest::newRow("15 px, 600 dpi printer") << 15 << int(Fonts::Regular) << 600 << 11;
}

void TestReportPdf::fontHeightsPrintAtWholePoints()
{
    QFETCH(int, height);
    QFETCH(int, style);
    QFETCH(int, printerDpi);
    QFETCH(int, points);
    addFontSizePage(height, style);
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(printerDpi);
    toPdf(printer, QStringLiteral("sizes.pdf"));
    PagePrinting::print(printer, m_report.preparedPages());
    verifyTextSizes(pdfPath(QStringLiteral("sizes.pdf")), points);
}

void TestReportPdf::previewDrawsTheSamePointSizes_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("points");
    QTest::newRow("11 px at 100 %") << 11 << 1.0 << 8;
    QTest::newRow("15 px at 100 %") << 15 << 1.0 << 11;
    QTest::newRow("19 px at 200 %") << 19 << 2.0 << 14;
}

void TestReportPdf::previewDrawsTheSamePointSizes()
{
    QFETCH(int, height);
    QFETCH(double, zoom);
    QFETCH(int, points);
    addFontSizePage(height, Fonts::Regular);
    PreviewPages preview(m_report.preparedPages());
    preview.setZoom(zoom);
    preview.resize(preview.minimumSize());
    // The preview drawn onto a PDF whose device pixel is the screen's: a point on paper is as
    // many screen pixels as the preview shows it at this zoom.
    const QString pdf = pdfPath(QStringLiteral("preview.pdf"));
    const int screenDpi = int(std::lround(preview.pixelsPerMm() * PageUnits::MmPerInch));
    QPdfWriter writer(pdf);
    writer.setResolution(screenDpi);
    writer.setPageSize(QPageSize(QSizeF(preview.size()) * 72.0 / screenDpi, QPageSize::Point));
    writer.setPageMargins(QMarginsF());
    preview.render(&writer);
    verifyTextSizes(pdf, points * zoom * preview.pixelsPerMm() * PageUnits::MmPerInch / screenDpi);
}

// One page with a word line and a condensed line, in the given font.
void TestReportPdf::addFontSizePage(int height, int style)
{
    TReportPage &page = m_report.addPage(QStringLiteral("Page1"));
    setA4(page, false, 22, 10);
    const QString word = QStringLiteral("Kökényvára");
    TMemoView &text = memo(page, QStringLiteral("Memo1"), word + QStringLiteral(" 2024"), 20, 30, 120, 10);
    text.Font.Height = height;
    text.Font.Style = style;
    // A line a little too wide is condensed to its memo.
    TMemoView &condensed = memo(page, QStringLiteral("Memo2"), word, 20, 50);
    condensed.Font = text.Font;
    condensed.Width = PrintFonts::LayoutMetrics(PrintFonts::fromStored(text.Font)).horizontalAdvance(word) / 1.02 +
                      2 * condensed.GapX;
    QVERIFY(prepare());
    QVERIFY(std::get<TextBlock>(m_report.preparedPages()[0].items[1]).runs[0].xScale < 0.99);
}

// Every glyph on the first page is shown at the given size, condensed or not.
void TestReportPdf::verifyTextSizes(const QString &pdf, double points)
{
    const std::vector<double> sizes = PdfTextSizes::ofPage(pdf, 1);
    QVERIFY(sizes.size() >= 2);
    for (const double size : sizes)
        QVERIFY2(qAbs(size - points) < 0.001, qPrintable(QStringLiteral("%1 pt, not %2").arg(size).arg(points)));
}

void TestReportPdf::linesLandAtTheirPositions()
{
    TReportPage &portrait = m_report.addPage(QStringLiteral("Page1"));
    setA4(portrait, false, 22, 10);
    line(portrait, QStringLiteral("Line1"), 20, 50, 100); // on paper: y 60, x 42 to 142 mm
    TReportPage &landscape = m_report.addPage(QStringLiteral("Page2"));
    setA4(landscape, true, 30, 20);
    line(landscape, QStringLiteral("Line27"), 66, 9, 134, true); // on paper: x 96, y 29 to 163 mm
    QVERIFY(prepare());
    const QString pdf = pdfPath(QStringLiteral("lines.pdf"));
    PagePrinting::writePdf(pdf, m_report.preparedPages());

    // 10 pixels per mm: a 1 px line (0.26 mm) covers two or three pixel rows.
    const QImage first = PdfProbe::render(pdf, 1, RenderDpi, QRect(0, 500, 2100, 200));
    QVERIFY(!first.isNull());
    const std::vector<int> rows = darkAlong(first, true, 900);
    QVERIFY(!rows.empty() && rows.size() <= 4);
    const double y = 50 + (rows.front() + rows.back() + 1) / 2.0 / 10.0;
    QVERIFY2(qAbs(y - 60) < 0.2, qPrintable(QString::number(y)));
    const std::vector<int> extent = darkAlong(first, false, (rows.front() + rows.back()) / 2);
    QVERIFY2(qAbs(extent.front() / 10.0 - 42) < 0.2 && qAbs((extent.back() + 1) / 10.0 - 142) < 0.2,
             qPrintable(QStringLiteral("%1 %2").arg(extent.front()).arg(extent.back())));

    const QImage second = PdfProbe::render(pdf, 2, RenderDpi, QRect(860, 0, 200, 2100));
    const std::vector<int> columns = darkAlong(second, false, 1000);
    QVERIFY(!columns.empty() && columns.size() <= 4);
    const double x = 86 + (columns.front() + columns.back() + 1) / 2.0 / 10.0;
    QVERIFY2(qAbs(x - 96) < 0.2, qPrintable(QString::number(x)));
    const std::vector<int> height = darkAlong(second, true, (columns.front() + columns.back()) / 2);
    QVERIFY(qAbs(height.front() / 10.0 - 29) < 0.2 && qAbs((height.back() + 1) / 10.0 - 163) < 0.2);
}

void TestReportPdf::dottedLineIsOneOnThreeOff()
{
    TReportPage &page = m_report.addPage(QStringLiteral("Page3"));
    setA4(page, false, 22, 30);
    line(page, QStringLiteral("Line31"), 92, 83, 72).Frame.Style = fsDot;
    QVERIFY(prepare());
    const QString pdf = pdfPath(QStringLiteral("dotted.pdf"));
    PagePrinting::writePdf(pdf, m_report.preparedPages());
    // At 480 dpi one px at 96 dpi is 5 pixels: dots of 5 pixels every 20.
    const double pixelsPerMm = 480 / 25.4;
    const QImage image =
        PdfProbe::render(pdf, 1, 480, QRect(int(114 * pixelsPerMm), int(112 * pixelsPerMm), int(72 * pixelsPerMm), 20));
    int row = -1;
    for (int y = 0; y < image.height() && row < 0; ++y) {
        if (!darkAlong(image, false, y).empty())
            row = y;
    }
    QVERIFY(row >= 0);
    const std::vector<int> dark = darkAlong(image, false, row + 1);
    std::vector<int> starts;
    for (size_t i = 0; i < dark.size(); ++i) {
        if (i == 0 || dark[i] != dark[i - 1] + 1)
            starts.push_back(dark[i]);
    }
    // 72 mm = 272 px at 96 dpi: 68 dots.
    QVERIFY2(starts.size() >= 66 && starts.size() <= 69, qPrintable(QString::number(starts.size())));
    const double period = double(starts.back() - starts.front()) / double(starts.size() - 1);
    QVERIFY2(qAbs(period - 20) < 0.5, qPrintable(QString::number(period)));
    const double onPixels = double(dark.size()) / double(starts.size());
    QVERIFY2(onPixels > 3 && onPixels < 7, qPrintable(QString::number(onPixels)));
}

void TestReportPdf::unwritableFileIsAnError()
{
    buildThreePages(m_report);
    QVERIFY(prepare());
    QVERIFY_THROWS_EXCEPTION(
        Error, PagePrinting::writePdf(QStringLiteral("/nonexistent/dir/x.pdf"), m_report.preparedPages()));
}

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"
