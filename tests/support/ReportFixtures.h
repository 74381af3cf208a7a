#pragma once
#include "PageUnits.h"
#include "PreparedPage.h"
#include "TReport.h"

#include <QStringList>

// Small page templates and helpers for the report tests.
namespace ReportFixtures {

inline TMemoView &memo(TReportPage &page, const QString &name, const QString &text, double xMm, double yMm,
                       double wMm = 40, double hMm = 6)
{
    auto &view = page.add<TMemoView>(name);
    view.Left = PageUnits::mmToPx(xMm);
    view.Top = PageUnits::mmToPx(yMm);
    view.Width = PageUnits::mmToPx(wMm);
    view.Height = PageUnits::mmToPx(hMm);
    view.Memo = text.split(u'\n');
    return view;
}

// A line from (x, y) mm, across for the given length or, with vertical, down.
inline TLineView &line(TReportPage &page, const QString &name, double xMm, double yMm, double lengthMm,
                       bool vertical = false)
{
    auto &view = page.add<TLineView>(name);
    view.Left = PageUnits::mmToPx(xMm);
    view.Top = PageUnits::mmToPx(yMm);
    (vertical ? view.Height : view.Width) = PageUnits::mmToPx(lengthMm);
    view.Frame.Typ = vertical ? ftLeft : ftTop;
    return view;
}

inline void setA4(TReportPage &page, bool landscape, double left, double top)
{
    page.Orientation = landscape ? poLandscape : poPortrait;
    page.PaperWidth = landscape ? 297 : 210;
    page.PaperHeight = landscape ? 210 : 297;
    page.LeftMargin = left;
    page.TopMargin = top;
}

// The three sheets of the print-out: portrait, landscape, portrait, with a page strip and a few
// values of the declaration.
inline void buildThreePages(TReport &report)
{
    TReportPage &page1 = report.addPage(QStringLiteral("Page1"));
    setA4(page1, false, 22, 10);
    memo(page1, QStringLiteral("Memo47"), QStringLiteral("[m1]"), 42, 53, 125, 5);
    auto &barcode = page1.add<TBarCodeView>(QStringLiteral("BarCode1"));
    barcode.Visible = false;
    memo(page1, QStringLiteral("Memo65"), QStringLiteral("[datum]"), 65, 257, 13, 4);
    memo(page1, QStringLiteral("Memo176"), QStringLiteral("Oldal: 3/1"), 147, 257, 21, 4);
    memo(page1, QStringLiteral("Memo177"), QStringLiteral("([azon])"), 38, 257, 26, 4);

    TReportPage &page2 = report.addPage(QStringLiteral("Page2"));
    setA4(page2, true, 30, 20);
    memo(page2, QStringLiteral("Memo200"), QStringLiteral("[m181]"), 67, 110, 17, 5);
    memo(page2, QStringLiteral("Memo208"), QStringLiteral("[m189]"), 218, 110, 17, 5);
    memo(page2, QStringLiteral("Memo244"), QStringLiteral("[m229]"), 218, 138, 17, 4);
    memo(page2, QStringLiteral("Memo88"), QStringLiteral("[m8]"), 78, 146, 75, 6);
    memo(page2, QStringLiteral("Memo30"), QStringLiteral("([azon])"), 38, 0, 26, 4);

    TReportPage &page3 = report.addPage(QStringLiteral("Page3"));
    setA4(page3, false, 22, 30);
    memo(page3, QStringLiteral("Memo101"), QStringLiteral("[datum]"), 42, 57, 45, 6);
    memo(page3, QStringLiteral("Memo99"), QStringLiteral("([azon])"), 38, 233, 26, 4);
}

// The error display of a report that must prepare without errors: the message goes to the test
// log, beside the failed check of the preparation.
inline void logError(const QString &message)
{
    qWarning("%s", qPrintable(message));
}

// The texts of a prepared page, one entry per memo, its runs joined by blanks.
inline QStringList texts(const PreparedPage &page)
{
    QStringList result;
    for (const DrawItem &item : page.items) {
        if (const auto *block = std::get_if<TextBlock>(&item)) {
            QStringList runs;
            for (const TextRun &run : block->runs)
                runs << run.text;
            result << runs.join(u' ');
        }
    }
    return result;
}

} // namespace ReportFixtures
