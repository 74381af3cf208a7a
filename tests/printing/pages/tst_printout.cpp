#include "FieldCatalogue.h"
#include "Fonts.h"
#include "InMemoryDeclaration.h"
#include "Page1.h"
#include "PagePrinting.h"
#include "PageUnits.h"
#include "PdfTextSizes.h"
#include "PrintValueProvider.h"
#include "RegionalSettings.h"
#include "ReportFixtures.h"
#include "ReportTemplates.h"
#include "TReport.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

int field(const char *name)
{
    return *FieldCatalogue::find(QString::fromLatin1(name));
}

void setRow(InMemoryDeclaration &declaration, int row, const QStringList &cells)
{
    for (int column = 1; column <= cells.size(); ++column)
        declaration.setCell(column, row, cells[column - 1]);
}

const QDate PrintDate(2024, 3, 15);
const QString PrintDateText = QStringLiteral("2024. 03. 15.");
const QString Identifier = QStringLiteral("19833982");

// Prints the three pages of the declaration to a PDF, as the print command would after forming
// the identifier.
class Printout
{
public:
    Printout(InMemoryDeclaration declaration, const QString &identifier)
        : m_declaration(std::move(declaration)), m_identifier(identifier),
          m_provider(m_declaration, m_identifier, [] { return PrintDate; })
    {
        buildReportTemplates(m_report);
        m_report.OnGetValue = [this](const QString &name, PrintValue &value) {
            m_provider.Report1GetValue(name, value);
        };
        if (!identifier.isEmpty())
            dynamic_cast<TBarCodeView &>(*m_report.FindObject(u"BarCode1")).Text = identifier;
        QVERIFY(m_report.PrepareReport(true));
        QVERIFY(m_dir.isValid());
        PagePrinting::writePdf(pdfPath(), m_report.preparedPages());
    }

    QString pdfPath() const { return m_dir.filePath(QStringLiteral("printout.pdf")); }
    const std::vector<PreparedPage> &pages() const { return m_report.preparedPages(); }

    // The text of one page as pdftotext lays it out, line by line.
    QStringList pageLines(int page) const
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {"-layout", "-enc", "UTF-8", "-f", QString::number(page), "-l",
                                                    QString::number(page), pdfPath(), "-"});
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    }

    QImage pageImage(int page, int dpi) const
    {
        const QString prefix = m_dir.filePath(QStringLiteral("page"));
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {"-r", QString::number(dpi), "-png", "-singlefile", "-f", QString::number(page), "-l",
                           QString::number(page), pdfPath(), prefix});
        return QImage(prefix + QStringLiteral(".png"));
    }

    int pageCount() const
    {
        QProcess process;
        process.start(QStringLiteral("pdfinfo"), {pdfPath()});
        process.waitForFinished();
        const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
        return pages.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).toInt();
    }

private:
    InMemoryDeclaration m_declaration;
    QString m_identifier;
    PrintValueProvider m_provider;
    TReport m_report{ReportFixtures::logError};
    QTemporaryDir m_dir;
};

// The line that holds all the pieces, left to right with only blanks between them (or, with
// gaps, anything); empty if none.
QString lineWith(const QStringList &lines, const QStringList &pieces, bool gaps = false)
{
    QStringList escaped;
    for (const QString &piece : pieces)
        escaped << QRegularExpression::escape(piece);
    const QRegularExpression pattern(escaped.join(gaps ? QStringLiteral("\\s(?:.*\\s)?") : QStringLiteral("\\s+")));
    for (const QString &line : lines) {
        if (pattern.match(line).hasMatch())
            return line;
    }
    return {};
}

int lineIndex(const QStringList &lines, const QStringList &pieces)
{
    const QString line = lineWith(lines, pieces);
    return line.isEmpty() ? -1 : int(lines.indexOf(line));
}

QStringList amounts(std::initializer_list<const char *> values)
{
    QStringList pieces;
    for (const char *value : values)
        pieces << QString::fromLatin1(value);
    return pieces;
}

InMemoryDeclaration filledDeclaration()
{
    const std::pair<const char *, const char *> texts[] = {
        {"Edit1", "Kovács Éva"},
        {"Edit2", "Nagy Éva"},
        {"Edit3", "Kökényvára, Fő utca 1."},
        {"Edit4", "Kökényvára, Rózsa utca 7."},
        {"Edit5", "123456789"},
        {"Edit6", "8123456789"},
        {"Edit7", "Kiss Péter [gondnok]"},
        {"Edit8", "Szeged, Tisza Lajos körút 3."},
        {"PBNumEdit1", "4"},
        // Income group 1: the applicant and member a.; group 9, the personal income tax. The
        // groups' totals follow.
        {"PBNumEdit2", "120000"},
        {"PBNumEdit3", "60000"},
        {"PBNumEdit74", "20000"},
        {"PBNumEdit75", "10000"},
    };
    InMemoryDeclaration declaration;
    for (const auto &[name, text] : texts)
        declaration.setText(field(name), QString::fromUtf8(text));
    setRow(declaration, 1, {"Kovács Péter", "Szeged", "1970. 01. 02.", "Tóth Anna"});
    setRow(declaration, 2, {"Kovács Anna", "Kökényvára", "2005. 05. 05.", "Nagy Éva"});
    return declaration;
}

} // namespace

class TestPrintout : public QObject
{
    Q_OBJECT
    const RegionalSettings::PinForTesting m_hungarian{RegionalSettings::hungarian()};

private slots:
    void initTestCase() { Fonts::installLookAlikes(); }

    void threePages()
    {
        const Printout printout(filledDeclaration(), Identifier);
        QCOMPARE(printout.pageCount(), 3);
    }

    void pageStrips_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("strips");
        QTest::newRow("page 1, bottom only") << 1 << 1;
        QTest::newRow("page 2") << 2 << 2;
        QTest::newRow("page 3") << 3 << 2;
    }
    void pageStrips()
    {
        QFETCH(int, page);
        QFETCH(int, strips);
        const Printout printout(filledDeclaration(), Identifier);
        const QStringList lines = printout.pageLines(page);
        const QStringList strip = {"Nyomtatvány száma:", "KTV3815", "(" + Identifier + ")", PrintDateText,
                                   QStringLiteral("Oldal: 3/%1").arg(page)};
        const int first = lineIndex(lines, strip);
        QVERIFY2(first >= 0, qPrintable(lines.join(u'\n')));
        QCOMPARE(lineIndex(lines.mid(first + 1), strip) >= 0, strips == 2);
    }

    void page1Values()
    {
        const Printout printout(filledDeclaration(), Identifier);
        const QStringList lines = printout.pageLines(1);
        const auto has = [&](const QStringList &pieces) { return !lineWith(lines, pieces, true).isEmpty(); };
        // Each item's number, the end of its label and its value share the bottom line.
        QVERIFY(has({"1.", "neve:", "Kovács Éva"}));
        QVERIFY(has({"1b.", "Leánykori név:", "Nagy Éva"}));
        QVERIFY(has({"2.", "címe:", "Kökényvára, Fő utca 1."}));
        QVERIFY(has({"3.", "címe:", "Kökényvára, Rózsa utca 7."}));
        QVERIFY(has({"4.", "TAJ száma:", "123456789"}));
        QVERIFY(has({"5.", "Adószáma:", "8123456789"}));
        // Brackets typed into a field print as they are.
        QVERIFY(has({"6.", "neve:", "Kiss Péter [gondnok]"}));
        QVERIFY(has({"7.", "címe:", "Szeged, Tisza Lajos körút 3."}));
        QVERIFY(has({"8.", "száma:", "4"}));
        // The date of birth stands left of the place of birth.
        const int row1 = lineIndex(lines, {"Kovács Péter", "1970. 01. 02.", "Szeged", "Tóth Anna"});
        const int row2 = lineIndex(lines, {"Kovács Anna", "2005. 05. 05.", "Kökényvára", "Nagy Éva"});
        const int headings = lineIndex(lines, {"Neve:", "Születési idő:", "Születési hely:", "Anyja neve:"});
        QVERIFY(headings >= 0);
        QVERIFY(row1 > headings);
        QVERIFY(row2 > row1);
        QVERIFY(has({"JÖVEDELEMNYILATKOZAT"}));
    }

    void page2Values()
    {
        const Printout printout(filledDeclaration(), Identifier);
        const QStringList lines = printout.pageLines(2);
        const int group1 = lineIndex(lines, amounts({"120000", "60000", "0", "0", "0", "0", "0", "0", "180000"}));
        const int gross =
            lineIndex(lines, {"Összes bruttó jövedelem", "120000", "60000", "0", "0", "0", "0", "0", "0", "180000"});
        const int tax = lineIndex(lines, amounts({"20000", "10000", "0", "0", "0", "0", "0", "0", "30000"}));
        const int net = lineIndex(lines, amounts({"100000", "50000", "0", "0", "0", "0", "0", "0", "150000"}));
        QVERIFY2(group1 >= 0 && gross > group1 && tax > gross && net > tax, qPrintable(lines.join(u'\n')));
        QVERIFY(!lineWith(lines, {"nettó jövedelem:", "37500 Ft."}).isEmpty());
        QVERIFY(!lineWith(lines, {"a.,", "b.,", "c.,", "d.,", "e.,", "f.,", "g.,", "összesen"}).isEmpty());
    }

    void page3Values()
    {
        const Printout printout(filledDeclaration(), Identifier);
        const QStringList lines = printout.pageLines(3);
        QVERIFY(!lineWith(lines, {"Kelt: Kökényvára,", PrintDateText}).isEmpty());
        QVERIFY(!lineWith(lines, {"igénylő", "házastárs (élettárs)"}).isEmpty());
        QVERIFY(!lineWith(lines, {"Büntetőjogi", "felelősségem"}).isEmpty());
        QVERIFY(!lineWith(lines, {"APEH", "útján", "ellenőrizheti."}).isEmpty());
        int relatives = 0;
        for (const QString &line : lines)
            relatives += int(line.count(QStringLiteral("jövedelemmel rendelkező hozzátartozó")));
        QCOMPARE(relatives, 8);
    }

    void emptyDeclaration()
    {
        const Printout printout{InMemoryDeclaration(), QString()};
        const QStringList page2 = printout.pageLines(2);
        int zeros = 0;
        for (const QString &line : page2)
            zeros += int(line.split(u' ', Qt::SkipEmptyParts).count(QStringLiteral("0")));
        QCOMPARE(zeros, 117);
        QVERIFY(!lineWith(page2, {"nettó jövedelem:", "-"}).isEmpty());
        for (int page = 1; page <= 3; ++page) {
            QVERIFY(!lineWith(printout.pageLines(page), {"KTV3815", "()", PrintDateText}).isEmpty());
        }
        QVERIFY(!lineWith(printout.pageLines(1), {"8.", "száma:", "0"}, true).isEmpty());
    }

    void textPrintsAtTheTemplatesPointSizes_data()
    {
        QTest::addColumn<int>("page");
        for (int page = 1; page <= 3; ++page)
            QTest::addRow("page %d", page) << page;
    }
    void textPrintsAtTheTemplatesPointSizes()
    {
        QFETCH(int, page);
        const Printout printout(filledDeclaration(), Identifier);
        QList<int> laidOut;
        for (const DrawItem &item : printout.pages()[page - 1].items) {
            const auto *block = std::get_if<TextBlock>(&item);
            if (block && !block->runs.empty() && !laidOut.contains(block->font.pointSize))
                laidOut << block->font.pointSize;
        }
        QList<int> printed;
        for (const double size : PdfTextSizes::ofPage(printout.pdfPath(), page)) {
            QVERIFY2(qAbs(size - std::round(size)) < 0.001, qPrintable(QString::number(size)));
            if (!printed.contains(int(std::round(size))))
                printed << int(std::round(size));
        }
        std::sort(laidOut.begin(), laidOut.end());
        std::sort(printed.begin(), printed.end());
        QCOMPARE(printed, laidOut);
    }

    void invisibleObjectsDoNotPrint()
    {
        const Printout printout(filledDeclaration(), Identifier);
        QVERIFY(!printout.pageLines(1).join(u'\n').contains(QStringLiteral("illetékbélyeg")));
        // Above the rule at y 35 mm the barcode's place stays white.
        constexpr int Dpi = 100;
        const QImage page = printout.pageImage(1, Dpi);
        QVERIFY(!page.isNull());
        const auto px = [](double paperMm) { return int(paperMm / PageUnits::MmPerInch * Dpi); };
        constexpr double Left = 22, Top = 10; // margins, mm
        const QRect barcode(QPoint(px(Left + 129), px(Top + 29)), QPoint(px(Left + 129 + 33.9), px(Top + 34)));
        int dark = 0;
        for (int y = barcode.top(); y <= barcode.bottom(); ++y) {
            for (int x = barcode.left(); x <= barcode.right(); ++x)
                dark += qGray(page.pixel(x, y)) < 128;
        }
        QCOMPARE(dark, 0);
    }
};

QTEST_MAIN(TestPrintout)
#include "tst_printout.moc"
