#include "DeclarationPrinter.h"
#include "AmountText.h"
#include "DeclarationForm.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "FormFixture.h"
#include "InMemoryDeclaration.h"
#include "PagePrinting.h"
#include "PdfProbe.h"
#include "PreviewDialog.h"
#include "PreviewPages.h"
#include "RegionalSettings.h"
#include "ReportFixtures.h"
#include "TNumEdit.h"

#include <QAction>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace ReportFixtures;

// The print command from the name field to the preview and the printer.
class TestDeclarationPrinter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void firstPrintWithEmptyName();
    void nameFormsTheIdentifier();
    void emptyNameKeepsThePreviousIdentifier();
    void blanksCountAsAName();
    void valuesOfTheDeclarationReachThePages();
    void conversionErrorShowsOneErrorAndNoPreview();
    void previewOpensMaximisedModalAt100Percent();
    void previewToolBarOffersPrintAndZoomOnly();
    void zoomShortcuts();
    void previewShowsEachPageInItsOrientation();
    void printFromThePreviewPrintsThePreparedPages();
    void cancelledPrintDialogPrintsNothing();
    void printOfTheWindow();

private:
    void print();
    QString shownText(size_t page, int memo) const;
    void setAmount(int group, int position, long double value);

    const RegionalSettings::PinForTesting m_hungarian{RegionalSettings::hungarian()};
    QTemporaryDir m_dir;
    InMemoryDeclaration m_declaration;
    std::unique_ptr<DeclarationPrinter> m_printer;
    QStringList m_errors;
    const ErrorSinkForTesting m_errorSink{[this](const QString &message) { m_errors << message; }};
    int m_previews = 0;
    std::vector<PreparedPage> m_shown; // what the last preview showed
    // Unless a test acts in the preview itself, it is counted and closed at once.
    const PreviewDialog::ModalHookForTesting m_previewHook{[this](PreviewDialog &) {
        ++m_previews;
        m_shown = m_printer->report().preparedPages();
    }};
    QWidget m_window;
};

namespace {
const ProcessorWords WorkedExample{198339, 1050624, 2147154879u, 3219913727u};
const int Name = *FieldCatalogue::find(u"Edit1");
} // namespace

void TestDeclarationPrinter::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestDeclarationPrinter::init()
{
    m_declaration = InMemoryDeclaration();
    m_printer = std::make_unique<DeclarationPrinter>(
        m_declaration, buildThreePages, [] { return WorkedExample; }, [] { return QDate(2024, 3, 5); });
    m_errors.clear();
    m_previews = 0;
    m_shown.clear();
}

void TestDeclarationPrinter::print()
{
    guarded([this] { m_printer->Nyomtats1Click(&m_window); });
}

QString TestDeclarationPrinter::shownText(size_t page, int memo) const
{
    return texts(m_shown.at(page)).value(memo);
}

void TestDeclarationPrinter::setAmount(int group, int position, long double value)
{
    m_declaration.setText(FieldCatalogue::amountIndex(group, position), formatAmount(value, RegionalSettings::current()));
}

void TestDeclarationPrinter::firstPrintWithEmptyName()
{
    print();
    QCOMPARE(m_previews, 1);
    QCOMPARE(m_printer->printIdentifier(), QString());
    auto *barcode = dynamic_cast<TBarCodeView *>(m_printer->report().FindObject(u"BarCode1"));
    QCOMPARE(barcode->Text, QStringLiteral("12345678"));
    QCOMPARE(m_shown.size(), size_t(3));
    QCOMPARE(shownText(0, 3), QStringLiteral("()"));
    QCOMPARE(shownText(2, 1), QStringLiteral("()"));
    QVERIFY(m_errors.isEmpty());
}

void TestDeclarationPrinter::nameFormsTheIdentifier()
{
    m_declaration.setText(Name, QStringLiteral("A"));
    print();
    QCOMPARE(m_printer->printIdentifier(), QStringLiteral("19833982"));
    QCOMPARE(dynamic_cast<TBarCodeView *>(m_printer->report().FindObject(u"barcode1"))->Text,
             QStringLiteral("19833982"));
    QCOMPARE(shownText(0, 3), QStringLiteral("(19833982)"));
    QCOMPARE(shownText(1, 4), QStringLiteral("(19833982)"));
    QCOMPARE(shownText(2, 1), QStringLiteral("(19833982)"));
    m_declaration.setText(Name, QStringLiteral("AB"));
    print();
    QCOMPARE(shownText(0, 3), QStringLiteral("(198339C4)"));
}

void TestDeclarationPrinter::emptyNameKeepsThePreviousIdentifier()
{
    m_declaration.setText(Name, QStringLiteral("A"));
    print();
    m_declaration.setText(Name, QString());
    print();
    QCOMPARE(m_previews, 2);
    QCOMPARE(m_printer->printIdentifier(), QStringLiteral("19833982"));
    QCOMPARE(shownText(0, 3), QStringLiteral("(19833982)"));
    QCOMPARE(dynamic_cast<TBarCodeView *>(m_printer->report().FindObject(u"BarCode1"))->Text,
             QStringLiteral("19833982"));
}

void TestDeclarationPrinter::blanksCountAsAName()
{
    m_declaration.setText(Name, QStringLiteral(" "));
    print();
    QCOMPARE(m_printer->printIdentifier(), QStringLiteral("19833940"));
}

void TestDeclarationPrinter::valuesOfTheDeclarationReachThePages()
{
    m_declaration.setText(Name, QString::fromUtf8("Kovács Éva"));
    setAmount(1, 1, 100000);
    setAmount(1, 9, 150000);
    setAmount(2, 9, 0.5L);
    m_declaration.setText(*FieldCatalogue::find(u"PBNumEdit1"), QStringLiteral("4"));
    print();
    QCOMPARE(shownText(0, 0), QString::fromUtf8("Kovács Éva"));
    QCOMPARE(shownText(0, 1), QStringLiteral("2024. 03. 05."));
    QCOMPARE(shownText(0, 2), QStringLiteral("Oldal: 3/1"));
    QCOMPARE(shownText(1, 0), QStringLiteral("100000"));
    QCOMPARE(shownText(1, 1), QStringLiteral("150000,5"));
    QCOMPARE(shownText(1, 2), QStringLiteral("150000,5"));
    QCOMPARE(shownText(1, 3), QStringLiteral("37500 Ft.")); // 37500.125 rounded
    QCOMPARE(shownText(2, 0), QStringLiteral("2024. 03. 05."));
}

void TestDeclarationPrinter::conversionErrorShowsOneErrorAndNoPreview()
{
    m_declaration.setText(Name, QStringLiteral("A"));
    print();
    QCOMPARE(m_previews, 1);
    m_declaration.setText(FieldCatalogue::amountIndex(4, 9), QStringLiteral("1,2,3"));
    print();
    QCOMPARE(m_previews, 1);
    QCOMPARE(m_errors, QStringList({QStringLiteral("'1,2,3' is not a valid floating point value")}));
    QVERIFY(m_printer->report().preparedPages().empty());
    // The identifier of this print was formed before the preparation failed.
    QCOMPARE(m_printer->printIdentifier(), QStringLiteral("19833982"));
}

void TestDeclarationPrinter::previewOpensMaximisedModalAt100Percent()
{
    bool checked = false;
    const PreviewDialog::ModalHookForTesting previewHook([&](PreviewDialog &preview) {
        QVERIFY(preview.isVisible());
        QVERIFY(preview.isModal());
        QVERIFY(preview.windowState() & Qt::WindowMaximized);
        QCOMPARE(preview.parentWidget(), &m_window);
        QCOMPARE(preview.zoom(), 1.0);
        checked = true;
    });
    print();
    QVERIFY(checked);
}

void TestDeclarationPrinter::previewToolBarOffersPrintAndZoomOnly()
{
    QStringList buttons;
    QList<QKeySequence> shortcuts;
    const PreviewDialog::ModalHookForTesting previewHook([&](PreviewDialog &preview) {
        for (QAction *action : preview.toolBar()->actions()) {
            if (!action->isSeparator()) {
                buttons << action->text();
                shortcuts << action->shortcut();
            }
        }
    });
    print();
    QCOMPARE(buttons, QStringList({QString::fromUtf8("Nyomtatás"), QString::fromUtf8("Nagyítás"),
                                   QString::fromUtf8("Kicsinyítés"), QStringLiteral("100 %"),
                                   QString::fromUtf8("Egész oldal")}));
    QCOMPARE(shortcuts,
             QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+P")), QKeySequence(QStringLiteral("Ctrl++")),
                                  QKeySequence(QStringLiteral("Ctrl+-")), QKeySequence(QStringLiteral("Ctrl+0")),
                                  QKeySequence()}));
}

void TestDeclarationPrinter::zoomShortcuts()
{
    QList<double> zooms;
    const PreviewDialog::ModalHookForTesting previewHook([&](PreviewDialog &preview) {
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        QTest::keyClick(&preview, Qt::Key_Plus, Qt::ControlModifier);
        zooms << preview.zoom();
        QTest::keyClick(&preview, Qt::Key_Plus, Qt::ControlModifier);
        zooms << preview.zoom();
        QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
        zooms << preview.zoom();
        QTest::keyClick(&preview, Qt::Key_0, Qt::ControlModifier);
        zooms << preview.zoom();
        // Whole page: the largest page fits the window.
        auto *wholePage =
            qobject_cast<QToolButton *>(preview.toolBar()->widgetForAction(preview.action(PreviewDialog::WholePage)));
        QTest::mouseClick(wholePage, Qt::LeftButton);
        zooms << preview.zoom();
        const QSizeF page = preview.pagesWidget()->largestPageAtActualSize() * preview.zoom();
        QVERIFY(page.height() <= preview.height());
        QVERIFY(page.width() <= preview.width());
    });
    print();
    QCOMPARE(zooms.size(), 5);
    QCOMPARE(zooms[0], 1.25);
    QCOMPARE(zooms[1], 1.5625);
    QCOMPARE(zooms[2], 1.25);
    QCOMPARE(zooms[3], 1.0);
    QVERIFY(zooms[4] > 0 && zooms[4] != 1.0);
}

void TestDeclarationPrinter::previewShowsEachPageInItsOrientation()
{
    std::vector<QRect> rects;
    double pixelsPerMm = 0;
    const PreviewDialog::ModalHookForTesting previewHook([&](PreviewDialog &preview) {
        for (size_t i = 0; i < 3; ++i)
            rects.push_back(preview.pagesWidget()->pageRect(i));
        pixelsPerMm = preview.pagesWidget()->pixelsPerMm();
    });
    print();
    QCOMPARE(rects.size(), size_t(3));
    QVERIFY(pixelsPerMm > 1);
    QCOMPARE(rects[0].size(), QSize(qRound(210 * pixelsPerMm), qRound(297 * pixelsPerMm)));
    QCOMPARE(rects[1].size(), QSize(qRound(297 * pixelsPerMm), qRound(210 * pixelsPerMm)));
    QCOMPARE(rects[2].size(), rects[0].size());
    QVERIFY(rects[1].top() > rects[0].bottom());
    QVERIFY(rects[2].top() > rects[1].bottom());
}

void TestDeclarationPrinter::printFromThePreviewPrintsThePreparedPages()
{
    const QString pdf = m_dir.filePath(QStringLiteral("from-preview.pdf"));
    int copies = 0;
    QPrinter::PrintRange range = QPrinter::PageRange;
    const PreviewDialog::PrintDialogHookForTesting printDialogHook([&](QPrinter &printer) {
        copies = printer.copyCount();
        range = printer.printRange();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    const PreviewDialog::ModalHookForTesting previewHook([&](PreviewDialog &preview) {
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        // The fields change while the preview is open: the print keeps the prepared pages.
        m_declaration.setText(Name, QStringLiteral("Changed"));
        QTest::keyClick(&preview, Qt::Key_P, Qt::ControlModifier);
    });
    m_declaration.setText(Name, QStringLiteral("Nagy Béla"));
    print();
    QVERIFY(m_errors.isEmpty());
    QCOMPARE(copies, 1);
    QCOMPARE(range, QPrinter::AllPages);
    QCOMPARE(PdfProbe::pageSizes(pdf), std::vector<QSize>({QSize(595, 842), QSize(842, 595), QSize(595, 842)}));
    const QString page1 = PdfProbe::text(pdf, 1);
    QVERIFY(page1.contains(QString::fromUtf8("Nagy Béla")));
    QVERIFY(!page1.contains(QStringLiteral("Changed")));
    QVERIFY(page1.contains(QStringLiteral("(") + m_printer->printIdentifier() + QStringLiteral(")")));

    // The same pages written directly.
    const QString direct = m_dir.filePath(QStringLiteral("direct.pdf"));
    PagePrinting::writePdf(direct, m_printer->report().preparedPages());
    for (int page = 1; page <= 3; ++page)
        QCOMPARE(PdfProbe::text(direct, page), PdfProbe::text(pdf, page));
}

void TestDeclarationPrinter::cancelledPrintDialogPrintsNothing()
{
    int asked = 0;
    const PreviewDialog::PrintDialogHookForTesting printDialogHook([&](QPrinter &printer) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir.filePath(QStringLiteral("cancelled.pdf")));
        return false;
    });
    const PreviewDialog::ModalHookForTesting previewHook(
        [](PreviewDialog &preview) { preview.action(PreviewDialog::Print)->trigger(); });
    print();
    QCOMPARE(asked, 1);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("cancelled.pdf"))));
}

// The print command reads the window's own fields.
void TestDeclarationPrinter::printOfTheWindow()
{
    FormFixture fields;
    DeclarationForm &form = fields.form;
    DeclarationPrinter printer(form, buildThreePages);
    QStringList shown;
    const PreviewDialog::ModalHookForTesting previewHook([&](PreviewDialog &) {
        for (const PreparedPage &page : printer.report().preparedPages())
            shown << texts(page);
    });
    form.setText(Name, QStringLiteral("A"));
    form.numEdit(FieldCatalogue::amountIndex(1, 1))->setText(QStringLiteral("150000"));
    form.setText(*FieldCatalogue::find(u"PBNumEdit1"), QStringLiteral("4"));
    guarded([&] { printer.Nyomtats1Click(&m_window); });
    QVERIFY(m_errors.isEmpty());
    QVERIFY(shown.contains(QStringLiteral("150000")));
    QVERIFY(shown.contains(QStringLiteral("(%1)").arg(printer.printIdentifier())));
    QCOMPARE(printer.printIdentifier().right(2), QStringLiteral("82"));

    shown.clear();
    // An amount that does not parse also fails its group's live total.
    form.numEdit(FieldCatalogue::amountIndex(3, 1))->setText(QStringLiteral("12a"));
    m_errors.clear();
    guarded([&] { printer.Nyomtats1Click(&m_window); });
    QVERIFY(shown.isEmpty());
    QCOMPARE(m_errors, QStringList({QStringLiteral("'12a' is not a valid floating point value")}));
    QCOMPARE(form.numEdit(FieldCatalogue::amountIndex(3, 1))->text(), QStringLiteral("12a")); // unchanged
}

QTEST_MAIN(TestDeclarationPrinter)
#include "tst_declarationprinter.moc"
