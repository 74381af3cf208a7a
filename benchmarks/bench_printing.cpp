#include "Bench.h"
#include "DeclarationForm.h"
#include "DeclarationPrinter.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "PagePrinting.h"
#include "PreviewDialog.h"
#include "ReportTemplates.h"
#include "TNumEdit.h"

#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <memory>

namespace {

// A failed step would open the error box and stop the bench: report it instead.
void reportError(const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// A filled declaration: name, addresses, a full household table, amounts in every income group
// and every deduction group, and the number of people; the real three page templates.
struct Fixture
{
    const ErrorSinkForTesting errors{reportError};
    QWidget window;
    DeclarationForm *form = nullptr;
    std::unique_ptr<DeclarationPrinter> printer;
    QTemporaryDir dir;

    Fixture()
    {
        form = new DeclarationForm(new QWidget(&window), new QWidget(&window), new QWidget(&window), &window);
        for (int n = 1; n <= 8; ++n)
            form->setText(*FieldCatalogue::find(QStringLiteral("Edit%1").arg(n)),
                          QString::fromUtf8("Kovács Éva %1").arg(n));
        form->setText(*FieldCatalogue::find(u"PBNumEdit1"), QStringLiteral("4"));
        for (int row = 1; row <= 10; ++row) {
            for (int column = 1; column <= 4; ++column)
                form->setCell(column, row, QString::fromUtf8("Cella %1/%2 Kökényvára").arg(column).arg(row));
        }
        for (int g = 1; g <= FieldCatalogue::GroupCount; ++g) {
            for (int p = 1; p <= 8; ++p)
                form->numEdit(FieldCatalogue::amountIndex(g, p))->setText(QStringLiteral("%1,5").arg(g * 10000 + p));
        }
        printer = std::make_unique<DeclarationPrinter>(*form, buildReportTemplates);
    }
};

std::function<void()> prepareAndWritePdf()
{
    auto fixture = std::make_shared<Fixture>();
    const QString pdf = fixture->dir.filePath(QStringLiteral("bench.pdf"));
    return [fixture, pdf] {
        TReport &report = fixture->printer->report();
        if (report.PrepareReport(true))
            PagePrinting::writePdf(pdf, report.preparedPages());
    };
}

std::function<void()> openPreview()
{
    auto fixture = std::make_shared<Fixture>();
    fixture->printer->report().PrepareReport(true);
    return [fixture] {
        PreviewDialog preview(fixture->printer->report().preparedPages(), reportError, &fixture->window);
        preview.show();
        preview.grab(); // paints what the window shows at 100 %
    };
}

const bool registered =
    registerBench({"printing: prepare and paint three pages to PDF", 150000.0, prepareAndWritePdf}) &&
    registerBench({"printing: open the preview at 100 %", 300000.0, openPreview});

} // namespace
