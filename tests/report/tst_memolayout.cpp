#include "MemoLayout.h"
#include "PageObjects.h"
#include "PrintFonts.h"

#include <QTest>

namespace {
constexpr double Tolerance = 1.035; // a line this much too wide is condensed rather than broken
}

class TestMemoLayout : public QObject
{
    Q_OBJECT
private slots:
    void pointSizes_data();
    void pointSizes();
    void insetByTheGaps();
    void verticalAlignment_data();
    void verticalAlignment();
    void centred();
    void wrapsAtBlanks();
    void justifiedButLastLineLeft();
    void paragraphsAndEmptyLines();
    void overlongWordBreaksBetweenCharacters();
    void withoutWordWrapOneLinePerParagraph();
    void slightlyTooWideLineIsCondensed_data();
    void slightlyTooWideLineIsCondensed();

private:
    static TMemoView memo(const QString &text, double width = 300, double height = 100);
    static PrintFonts::LayoutMetrics metrics(const TMemoView &memo)
    {
        return PrintFonts::LayoutMetrics(PrintFonts::fromStored(memo.Font));
    }
};

TMemoView TestMemoLayout::memo(const QString &text, double width, double height)
{
    TMemoView memo;
    memo.Left = 40;
    memo.Top = 60;
    memo.Width = width;
    memo.Height = height;
    memo.Memo = text.split(u'\n');
    memo.Font.Name = QStringLiteral("Tahoma");
    memo.Font.Height = 15;
    return memo;
}

void TestMemoLayout::pointSizes_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("points");
    const int table[][2] = {{8, 6}, {9, 7}, {11, 8}, {12, 9}, {13, 10}, {15, 11}, {19, 14}};
    for (const auto &row : table)
        QTest::addRow("%d px", row[0]) << row[0] << row[1];
}

void TestMemoLayout::pointSizes()
{
    QFETCH(int, height);
    QFETCH(int, points);
    TFont font;
    font.Height = height;
    QCOMPARE(PrintFonts::fromStored(font).pointSize, points);
    // Laid out at 96 dpi, a point is 96/72 px.
    QVERIFY(qAbs(PrintFonts::LayoutMetrics(PrintFonts::fromStored(font)).height() - points * 96.0 / 72 * 1.2) <
            points * 96.0 / 72 * 0.35);
}

void TestMemoLayout::insetByTheGaps()
{
    const TMemoView m = memo(QStringLiteral("Kelt"));
    const TextBlock block = MemoLayout::layout(m, QStringLiteral("Kelt"));
    QCOMPARE(block.clip, QRectF(40, 60, 300, 100));
    QCOMPARE(block.font.pointSize, 11);
    QCOMPARE(block.runs.size(), size_t(1));
    QCOMPARE(block.runs[0].text, QStringLiteral("Kelt"));
    QCOMPARE(block.runs[0].baseline.x(), 42.0);
    QCOMPARE(block.runs[0].baseline.y(), 61.0 + metrics(m).ascent());
}

void TestMemoLayout::verticalAlignment_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<double>("firstLineTop"); // for two lines of height h with 2 px between them, in units of h
    QTest::newRow("top") << int(vaTop) << 0.0;
    QTest::newRow("centre") << int(vaCenter) << 0.5;
    QTest::newRow("bottom") << int(vaBottom) << 1.0;
}

void TestMemoLayout::verticalAlignment()
{
    QFETCH(int, align);
    QFETCH(double, firstLineTop);
    TMemoView m = memo(QStringLiteral("a\nb"));
    m.VAlign = TVAlign(align);
    const TextBlock block = MemoLayout::layout(m, QStringLiteral("a\nb"));
    const double h = metrics(m).height();
    const double block2 = 2 * h + m.LineSpacing;
    const double free = 100 - 2 * m.GapY - block2;
    QCOMPARE(block.runs.size(), size_t(2));
    QVERIFY(qAbs(block.runs[0].baseline.y() - (61 + firstLineTop * free + metrics(m).ascent())) < 1e-9);
    QVERIFY(qAbs(block.runs[1].baseline.y() - block.runs[0].baseline.y() - (h + 2)) < 1e-9);
}

void TestMemoLayout::centred()
{
    TMemoView m = memo(QStringLiteral("KTV3815"));
    m.HAlign = haCenter;
    const TextBlock block = MemoLayout::layout(m, QStringLiteral("KTV3815"));
    const double width = metrics(m).horizontalAdvance(QStringLiteral("KTV3815"));
    QVERIFY(qAbs(block.runs[0].baseline.x() - (42 + (296 - width) / 2)) < 1e-9);
}

void TestMemoLayout::wrapsAtBlanks()
{
    const QString text = QString::fromUtf8("A gyermek ellátásához és gondozásához kapcsolódó támogatások");
    const TMemoView m = memo(text, 120, 200);
    const TextBlock block = MemoLayout::layout(m, text);
    QVERIFY(block.runs.size() >= 3);
    QStringList lines;
    for (const TextRun &run : block.runs) {
        QCOMPARE(run.baseline.x(), 42.0);
        QVERIFY(metrics(m).horizontalAdvance(run.text) * run.xScale <= 116 + 1e-9);
        lines << run.text;
    }
    QCOMPARE(lines.join(u' '), text); // broken only at blanks, which the breaks take
    // Each line is as long as it can be: the next word would not have fitted.
    for (size_t i = 0; i + 1 < block.runs.size(); ++i) {
        const QString next = block.runs[i + 1].text.section(u' ', 0, 0);
        QVERIFY(metrics(m).horizontalAdvance(block.runs[i].text + u' ' + next) > 116 * Tolerance);
    }
}

void TestMemoLayout::justifiedButLastLineLeft()
{
    const QString text = QString::fromUtf8("Büntetőjogi felelősségem tudatában kijelentem, hogy a NYILATKOZAT-ban "
                                           "közölt adatok a valóságnak megfelelnek.");
    TMemoView m = memo(text, 250, 200);
    m.HAlign = haBlock;
    const TextBlock block = MemoLayout::layout(m, text);
    const PrintFonts::LayoutMetrics fm = metrics(m);
    std::vector<std::vector<TextRun>> lines;
    for (const TextRun &run : block.runs) {
        if (lines.empty() || lines.back().front().baseline.y() != run.baseline.y())
            lines.emplace_back();
        lines.back().push_back(run);
    }
    QVERIFY(lines.size() >= 2);
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::vector<TextRun> &line = lines[i];
        QVERIFY(line.size() >= 2); // word by word
        QCOMPARE(line.front().baseline.x(), 42.0);
        const TextRun &last = line.back();
        QVERIFY(qAbs(last.baseline.x() + fm.horizontalAdvance(last.text) - 288) < 1e-6); // the right inset edge
    }
    // The last line is one left-aligned run.
    QCOMPARE(lines.back().size(), size_t(1));
    QCOMPARE(lines.back().front().baseline.x(), 42.0);
    QVERIFY(fm.horizontalAdvance(lines.back().front().text) < 246);
}

void TestMemoLayout::paragraphsAndEmptyLines()
{
    TMemoView m = memo(QString());
    m.LineSpacing = 4;
    const TextBlock block = MemoLayout::layout(m, QStringLiteral("first\n\nthird"));
    QCOMPARE(block.runs.size(), size_t(2));
    QCOMPARE(block.runs[1].text, QStringLiteral("third"));
    QVERIFY(qAbs(block.runs[1].baseline.y() - block.runs[0].baseline.y() - 2 * (metrics(m).height() + 4)) < 1e-9);
}

void TestMemoLayout::overlongWordBreaksBetweenCharacters()
{
    const TMemoView m = memo(QString(), 40, 200);
    const QString number = QStringLiteral("1234567890").repeated(30);
    const TextBlock block = MemoLayout::layout(m, number);
    QVERIFY(block.runs.size() >= 2);
    QString joined;
    for (const TextRun &run : block.runs) {
        QVERIFY(metrics(m).horizontalAdvance(run.text) * run.xScale <= 36 + 1e-9);
        joined += run.text;
        // Each line takes as much as fits: one more character would not (condensing included).
        if (joined.size() < number.size())
            QVERIFY(metrics(m).horizontalAdvance(run.text + number[joined.size()]) > 36 * 1.035);
    }
    QCOMPARE(joined, number);
}

void TestMemoLayout::withoutWordWrapOneLinePerParagraph()
{
    TMemoView m = memo(QString(), 40, 200);
    m.WordWrap = false;
    const TextBlock block = MemoLayout::layout(m, QStringLiteral("a long line that does not fit\nsecond"));
    QCOMPARE(block.runs.size(), size_t(2));
    QCOMPARE(block.runs[0].text, QStringLiteral("a long line that does not fit"));
}

void TestMemoLayout::slightlyTooWideLineIsCondensed_data()
{
    QTest::addColumn<double>("overflow"); // text width / inset width
    QTest::addColumn<int>("lines");
    QTest::newRow("fits") << 0.99 << 1;
    QTest::newRow("1 % too wide") << 1.01 << 1;
    QTest::newRow("3 % too wide") << 1.03 << 1;
    QTest::newRow("4 % too wide") << 1.04 << 2;
}

void TestMemoLayout::slightlyTooWideLineIsCondensed()
{
    QFETCH(double, overflow);
    QFETCH(int, lines);
    const QString text = QString::fromUtf8("Az ellátást igénylő neve:");
    TMemoView m = memo(text);
    m.HAlign = haCenter;
    m.Width = metrics(m).horizontalAdvance(text) / overflow + 2 * m.GapX;
    const TextBlock block = MemoLayout::layout(m, text);
    QCOMPARE(int(block.runs.size()), lines);
    if (lines == 1 && overflow > 1) {
        QCOMPARE(block.runs[0].baseline.x(), m.Left + m.GapX);
        QVERIFY(qAbs(block.runs[0].xScale - 1 / overflow) < 1e-9);
    } else {
        for (const TextRun &run : block.runs)
            QCOMPARE(run.xScale, 1.0);
    }
}

QTEST_MAIN(TestMemoLayout)
#include "tst_memolayout.moc"
