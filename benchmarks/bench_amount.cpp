#include "Bench.h"
#include "DeclarationForm.h"
#include "FieldCatalogue.h"
#include "RegionalSettings.h"
#include "TNumEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <memory>

namespace {

// The declaration's fields on three plain panels, income group 1 filled with typical amounts.
struct Fixture
{
    QWidget window;
    DeclarationForm *form = nullptr;

    Fixture()
    {
        auto *panel2 = new QWidget(&window);
        auto *panel3 = new QWidget(&window);
        auto *panel4 = new QWidget(&window);
        form = new DeclarationForm(panel2, panel3, panel4, &window);
        const char *const amounts[8] = {"150000", "98765,5", "0", "12500", "0,25", "-3000", "45000", "1234567"};
        for (int row = 0; row < 8; ++row)
            form->numEdit(FieldCatalogue::amountIndex(1, row + 1))->setText(QString::fromLatin1(amounts[row]));
        window.show();
    }
};

std::function<void()> handlerRun()
{
    auto fixture = std::make_shared<Fixture>();
    // Eight parses, one format and its comparison with the total, which already shows the sum.
    return [fixture] { fixture->form->PBNumEdit2Change(); };
}

std::function<void()> keystrokeToTotal()
{
    auto fixture = std::make_shared<Fixture>();
    TNumEdit *row0 = fixture->form->numEdit(FieldCatalogue::amountIndex(1, 1));
    row0->setFocus();
    row0->setCursorPosition(int(row0->Text().size()));
    // Alternately types a digit and deletes it, so the text and the total change every time.
    auto typed = std::make_shared<bool>(false);
    return [fixture, row0, typed] {
        if (*typed)
            QTest::keyClick(row0, Qt::Key_Backspace);
        else
            QTest::keyClick(row0, '7');
        *typed = !*typed;
    };
}

// Ctrl+V of 2,500 digits behind a field holding 2,500 characters (0 and decimals, so that the
// total still parses), as a user doubles a text by copying and pasting it. Each run first puts the
// shorter text back, a change of its own that counts in the figure.
std::function<void()> pasteToFiveThousandDigits()
{
    auto fixture = std::make_shared<Fixture>();
    TNumEdit *row0 = fixture->form->numEdit(FieldCatalogue::amountIndex(1, 1));
    QString digits;
    for (int i = 0; i < 2500; ++i)
        digits += QChar(u'0' + (i * 7 + 3) % 10);
    const QString before = u'0' + RegionalSettings::current().decimalSeparator + digits.mid(2);
    QGuiApplication::clipboard()->setText(digits);
    row0->setFocus();
    return [fixture, row0, before] {
        row0->setText(before);
        row0->setCursorPosition(int(before.size()));
        QTest::keyClick(row0, Qt::Key_V, Qt::ControlModifier);
    };
}

const bool registered = registerBench({"amount: one group handler run (8 parses, 1 format)", 5.0, handlerRun}) &&
                        registerBench({"amount: one keystroke to the updated total", 100.0, keystrokeToTotal}) &&
                        registerBench({"amount: a paste that makes a 5,000-digit text, to the updated total", 20000.0,
                                       pasteToFiveThousandDigits});

} // namespace
