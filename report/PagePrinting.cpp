#include "PagePrinting.h"
#include "Error.h"
#include "PagePainter.h"
#include "PageUnits.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace PagePrinting {

namespace {

QPageLayout pageLayout(const PreparedPage &page)
{
    const QSizeF portrait(std::min(page.paperMm.width(), page.paperMm.height()),
                          std::max(page.paperMm.width(), page.paperMm.height()));
    QPageLayout layout(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
                       page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

} // namespace

void print(QPrinter &printer, const std::vector<PreparedPage> &pages)
{
    size_t first = 1, last = pages.size();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = size_t(printer.fromPage());
        last = std::min(last, size_t(std::max(printer.toPage(), printer.fromPage())));
    }
    if (first > last)
        return;
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    printer.setFullPage(true); // the painter's origin is the paper's corner
    QPainter painter;
    for (int copy = 0; copy < copies; ++copy) {
        for (size_t index = first - 1; index < last; ++index) {
            // A new layout applies to the page begun after it is set.
            printer.setPageLayout(pageLayout(pages[index]));
            if (!painter.isActive()) {
                if (!painter.begin(&printer))
                    throw Error::cannotCreateFile(printer.outputFileName().isEmpty() ? printer.printerName()
                                                                                     : printer.outputFileName(),
                                                  QString());
            } else {
                printer.newPage();
            }
            painter.resetTransform();
            painter.scale(printer.logicalDpiX() / PageUnits::PxPerInch, printer.logicalDpiY() / PageUnits::PxPerInch);
            PagePainter::paint(pages[index], painter);
        }
    }
    painter.end();
}

void writePdf(const QString &path, const std::vector<PreparedPage> &pages)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    print(printer, pages);
}

} // namespace PagePrinting
