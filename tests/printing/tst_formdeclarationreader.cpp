#include "DeclarationForm.h"
#include "DeclarationPrinter.h"
#include "Error.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "FormDeclarationReader.h"
#include "PreviewDialog.h"
#include "RegionalSettings.h"
#include "ReportFixtures.h"
#include "TNumEdit.h"

#include <QTest>

// The print-out reads the real declaration window.
class TestFormDeclarationReader : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void readsTextsCellsAndValues();
    void unparsableAmountThrowsTheConversionError();
    void printOfTheWindow();

private:
    const RegionalSettings::PinForTesting m_hungarian{RegionalSettings::hungarian()};
    QWidget m_window;
    QStringList m_errors; // an amount that does not parse also fails its group's live total
    const ErrorSinkForTesting m_errorSink{[this](const QString &message) { m_errors << message; }};
    QWidget *m_panels[3] = {new QWidget(&m_window), new QWidget(&m_window), new QWidget(&m_window)};
    DeclarationForm m_form{m_panels[0], m_panels[1], m_panels[2]};
};

namespace {
int field(const char *name)
{
    return *FieldCatalogue::find(QString::fromLatin1(name));
}
} // namespace

void TestFormDeclarationReader::init()
{
    m_errors.clear();
}

void TestFormDeclarationReader::readsTextsCellsAndValues()
{
    const FormDeclarationReader reader(m_form);
    m_form.setText(field("Edit1"), QString::fromUtf8("Kovács Éva"));
    m_form.setText(field("PBNumEdit1"), QStringLiteral("2,5"));
    m_form.setCell(3, 7, QStringLiteral("1970.01.02"));
    m_form.numEdit(FieldCatalogue::amountIndex(2, 3))->setText(QStringLiteral("1234,5"));
    QCOMPARE(reader.text(field("Edit1")), QString::fromUtf8("Kovács Éva"));
    QCOMPARE(reader.text(field("PBNumEdit1")), QStringLiteral("2,5"));
    QCOMPARE(reader.cell(3, 7), QStringLiteral("1970.01.02"));
    QCOMPARE(reader.value(FieldCatalogue::amountIndex(2, 3)), 1234.5L);
    QCOMPARE(reader.value(field("PBNumEdit1")), 2.5L);
}

void TestFormDeclarationReader::unparsableAmountThrowsTheConversionError()
{
    const FormDeclarationReader reader(m_form);
    m_form.numEdit(FieldCatalogue::amountIndex(5, 1))->setText(QStringLiteral("abc"));
    QVERIFY_THROWS_EXCEPTION(Error, reader.value(FieldCatalogue::amountIndex(5, 1)));
    m_form.numEdit(FieldCatalogue::amountIndex(5, 1))->setText(QStringLiteral("0"));
}

void TestFormDeclarationReader::printOfTheWindow()
{
    DeclarationPrinter printer(std::make_unique<FormDeclarationReader>(m_form), ReportFixtures::buildThreePages);
    QStringList shown;
    const PreviewDialog::ModalHookForTesting previewHook([&](PreviewDialog &) {
        for (const PreparedPage &page : printer.report().preparedPages())
            shown << ReportFixtures::texts(page);
    });
    m_form.setText(field("Edit1"), QStringLiteral("A"));
    m_form.numEdit(FieldCatalogue::amountIndex(1, 1))->setText(QStringLiteral("150000"));
    m_form.setText(field("PBNumEdit1"), QStringLiteral("4"));
    guarded([&] { printer.Nyomtats1Click(&m_window); });
    QVERIFY(m_errors.isEmpty());
    QVERIFY(shown.contains(QStringLiteral("150000")));
    QVERIFY(shown.contains(QStringLiteral("(%1)").arg(printer.printIdentifier())));
    QCOMPARE(printer.printIdentifier().right(2), QStringLiteral("82"));

    shown.clear();
    m_form.numEdit(FieldCatalogue::amountIndex(3, 1))->setText(QStringLiteral("12a"));
    m_errors.clear();
    guarded([&] { printer.Nyomtats1Click(&m_window); });
    QVERIFY(shown.isEmpty());
    QCOMPARE(m_errors, QStringList({QStringLiteral("'12a' is not a valid floating point value")}));
    QCOMPARE(m_form.numEdit(FieldCatalogue::amountIndex(3, 1))->text(), QStringLiteral("12a")); // unchanged
}

QTEST_MAIN(TestFormDeclarationReader)
#include "tst_formdeclarationreader.moc"
