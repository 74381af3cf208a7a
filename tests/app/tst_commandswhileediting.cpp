// A menu command chosen with the mouse or the keyboard while a table cell, an amount field or the
// tax number field is being typed into: the command works on the text typed so far, exactly as
// typed, its dialogs take the focus and give it back, and the typing goes on where it stopped, with
// the caret and the selection kept.
#include "CheckDigits.h"
#include "DeclarationPrinter.h"
#include "DialogScript.h"
#include "ErrorBox.h"
#include "Fonts.h"
#include "MsgDlg.h"
#include "PreviewDialog.h"
#include "PreviewPages.h"
#include "RegionalSettings.h"
#include "THeaderFill.h"
#include "WindowTesting.h"

#include <QLineEdit>
#include <QPointer>
#include <array>

using namespace WindowTesting;

namespace {

enum Command { Print, Save, Load, LoadWithErrorBox, LoadWithMessageBox, MenuClosed };
enum Route { Mouse, Alt = Qt::Key_Alt, F10 = Qt::Key_F10 };
enum Editing { CellEditor, AmountField, TaxNumberField };

const QString Typed = QStringLiteral("1985 tavasz");
const QString TypedAmount = QStringLiteral("150000");
const QString TypedTaxNumber = QStringLiteral("8123 456 789");   // a wrong check digit
const QString LoadedTaxNumber = QStringLiteral("12345678-1-42"); // a wrong check digit too
const QString Password = QStringLiteral("titok");
const QString WrongPassword = QString::fromUtf8("Hibás jelszó!") + QString(11, QLatin1Char(' ')) + QLatin1Char('.');

// The household cell and the amount input typed into; the amount is in income group 2, so that
// the unreadable amount of the error row (income group 1) leaves its total alone.
constexpr int Column = 1, Row = 2;
const QString Amount = QStringLiteral("PBNumEdit11");
const QString TaxNumber = QStringLiteral("Edit6");

bool printed(const std::vector<PreparedPage> &pages, const QString &text)
{
    for (const PreparedPage &page : pages) {
        for (const DrawItem &item : page.items) {
            if (const auto *block = std::get_if<TextBlock>(&item)) {
                for (const TextRun &run : block->runs) {
                    if (run.text == text)
                        return true;
                }
            }
        }
    }
    return false;
}

QByteArray plaintextSetting(const char *record)
{
    return RecordFormat::marker() + "\r\n" + record + "\r\n";
}

} // namespace

class TestCommandsWhileEditing : public QObject
{
    Q_OBJECT

    const RegionalSettings::PinForTesting m_hungarian{RegionalSettings::hungarian()};
    AnsweredErrorBoxes m_errorBoxes;
    std::unique_ptr<RunningProgram> m_program;

    // Writes the saved form that a load row reads, enciphered under Password.
    void writeSavedForm(const QByteArray &plaintext)
    {
        TRijndael cipher;
        cipher.SetKeyFromPassword(Windows1250::encode(Password));
        LineBuffer file;
        file.setText(cipher.EncryptText(plaintext));
        file.saveToFile(m_program->savedFile());
    }

    // Starts typing as the row says and returns the widget that has the focus while typing.
    QWidget *startTyping(Editing editing)
    {
        if (editing == CellEditor) {
            TStringGrid *grid = m_program->grid();
            const QRect cell = grid->visualRect(grid->model()->index(Row - 1, Column - 1));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            type(grid, Typed);
            auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            return editor && grid->isAncestorOf(editor) ? editor : nullptr;
        }
        QWidget *field = m_program->field(editing == AmountField ? Amount : TaxNumber);
        QTest::mouseClick(field, Qt::LeftButton);
        type(field, editing == AmountField ? TypedAmount : TypedTaxNumber);
        return QApplication::focusWidget() == field ? field : nullptr;
    }

    QString typedText(Editing editing) const
    {
        if (editing == CellEditor)
            return m_program->form().cell(Column, Row);
        return m_program->form().text(*FieldCatalogue::find(editing == AmountField ? Amount : TaxNumber));
    }

private slots:
    void initTestCase() { Fonts::installLookAlikes(); }

    void init()
    {
        m_errorBoxes.messages.clear();
        m_program = std::make_unique<RunningProgram>();
    }

    void cleanup() { m_program.reset(); }

    void commandReadsTheTypingAndGivesTheFocusBack_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("editing");
        QTest::addColumn<int>("route");
        const std::pair<const char *, Command> commands[] = {{"print", Print},
                                                             {"save", Save},
                                                             {"load", Load},
                                                             {"error box", LoadWithErrorBox},
                                                             {"message box", LoadWithMessageBox},
                                                             {"menu bar closed with Escape", MenuClosed}};
        const std::pair<const char *, Route> routes[] = {{"mouse", Mouse}, {"Alt", Alt}, {"F10", F10}};
        for (const auto &[name, command] : commands) {
            for (const auto &[via, route] : routes) {
                if (command == MenuClosed && route == Mouse)
                    continue;
                QTest::addRow("%s, %s, cell editor open", name, via) << int(command) << int(CellEditor) << int(route);
                QTest::addRow("%s, %s, amount being typed", name, via)
                    << int(command) << int(AmountField) << int(route);
                QTest::addRow("%s, %s, tax number being typed", name, via)
                    << int(command) << int(TaxNumberField) << int(route);
            }
        }
    }

    void commandReadsTheTypingAndGivesTheFocusBack()
    {
        QFETCH(int, command);
        QFETCH(int, editing);
        QFETCH(int, route);
        const auto edited = Editing(editing);
        const int section = edited == AmountField ? 2 : 1;
        const QString typed = std::array{Typed, TypedAmount, TypedTaxNumber}[edited];
        QString expected = typed;          // the text being edited once the command is done
        QString selected = typed.right(2); // what is selected in it then

        if (command == Load) {
            writeSavedForm(plaintextSetting("AdvStringGrid1_[1,2]mentett") + "Edit6_" + LoadedTaxNumber.toLatin1() +
                           "\r\nPBNumEdit11_300\r\n");
            expected = std::array{QStringLiteral("mentett"), QStringLiteral("300"), LoadedTaxNumber}[edited];
            selected.clear(); // the loaded text is written over the field, caret at its end
        } else if (command == LoadWithErrorBox) {
            writeSavedForm(plaintextSetting("PBNumEdit2_E"));
        } else if (command == LoadWithMessageBox) {
            writeSavedForm(plaintextSetting("Edit1_x"));
        }

        QPointer<QWidget> typing = startTyping(edited);
        QVERIFY(typing);
        QCOMPARE(typedText(edited), typed);
        QTest::keyClick(typing, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(typing, Qt::Key_Left, Qt::ShiftModifier);

        std::vector<PreparedPage> shownInPreview;
        const PreviewDialog::ModalHookForTesting previewHook([&](PreviewDialog &preview) {
            QVERIFY(preview.isActiveWindow());
            shownInPreview = preview.pagesWidget()->pages();
            QTest::keyClick(&preview, Qt::Key_Escape);
        });
        DialogScript script;
        if (command == Save || command == Load || command == LoadWithErrorBox)
            script.answerNext(mrOk, Password);
        if (command == LoadWithMessageBox) {
            script.answerNext(mrOk, QStringLiteral("rossz"));
            script.answerNext(mrOk);
        }

        const int item = command == Print ? 0 : command == Save ? 1 : 2;
        if (command == MenuClosed)
            m_program->openMenuBar(Qt::Key(route)), QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else if (route == Mouse)
            m_program->choose(item);
        else
            m_program->chooseByKeyboard(item, Qt::Key(route));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QTest::qWaitForWindowActive(&m_program->window()));

        // What the command did with the typed text.
        switch (command) {
        case Print:
            QVERIFY(printed(shownInPreview, typed));
            break;
        case Save: {
            const std::optional<QStringList> saved = m_program->savedFields(Password);
            QVERIFY(saved);
            QCOMPARE(*saved, snapshot(m_program->form()));
            QVERIFY(saved->contains(typed));
            break;
        }
        case LoadWithErrorBox:
            QCOMPARE(m_errorBoxes.messages, QStringList{QStringLiteral("'E' is not a valid floating point value")});
            QCOMPARE(m_program->form().text(*FieldCatalogue::find(u"PBNumEdit2")), QStringLiteral("E"));
            break;
        case LoadWithMessageBox:
            QCOMPARE(script.shown().back().text, WrongPassword);
            break;
        }
        QCOMPARE(script.pendingAnswers(), 0);
        if (command != LoadWithErrorBox)
            QVERIFY(m_errorBoxes.messages.isEmpty());
        QCOMPARE(typedText(edited), expected);
        // A wrong tax number is hinted once loaded; a dialog coming and going is no leaving the field.
        QWidget *taxNumber = m_program->field(TaxNumber);
        QCOMPARE(taxNumber->accessibleDescription(),
                 command == Load ? CheckDigits::taxNumberHint(LoadedTaxNumber) : QString());

        // The focus is back in the very editor or field, with its selection, the highlight unmoved.
        QTRY_COMPARE(QApplication::focusWidget(), typing.data());
        QCOMPARE(qobject_cast<QLineEdit *>(typing)->selectedText(), selected);
        QCOMPARE(headerFillOf(m_program->window(), section)->startColor(), QColor(0xFB, 0xE6, 0x94));
        for (int other = 1; other <= 3; ++other) {
            if (other != section)
                QCOMPARE(headerFillOf(m_program->window(), other)->startColor(), QColor(0xD2, 0xCF, 0xBE));
        }

        // Typing goes on, Tab leaves, the wheel scrolls from the next field.
        type(typing, QStringLiteral("7"));
        QCOMPARE(typedText(edited), expected.chopped(selected.size()) + QLatin1Char('7'));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QString next =
            std::array{QStringLiteral("Edit7"), QStringLiteral("PBNumEdit12"), QStringLiteral("PBNumEdit1")}[edited];
        QCOMPARE(QApplication::focusWidget(), m_program->field(next));
        QVERIFY(!typing || edited != CellEditor);
        // Leaving the tax number field with a wrong number hints at it, as a load bringing one did.
        QCOMPARE(taxNumber->toolTip().isEmpty(), edited != TaxNumberField && command != Load);
        const int position = scrollAreaOf(m_program->window())->position();
        wheel(QApplication::focusWidget(), -120);
        QCOMPARE(scrollAreaOf(m_program->window())->position(), position + 20);
        QCOMPARE(m_errorBoxes.messages.size(), command == LoadWithErrorBox ? 1 : 0);
    }
};

QTEST_MAIN(TestCommandsWhileEditing)
#include "tst_commandswhileediting.moc"
