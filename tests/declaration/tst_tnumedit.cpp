#include "AmountFieldTesting.h"
#include "AmountText.h"
#include "ExpectedError.h"
#include "FieldCatalogue.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

Q_DECLARE_METATYPE(long double)

class TestTNumEdit : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QWidget> m_window;
    TNumEdit *m_edit = nullptr;
    TNumEdit *m_other = nullptr;
    QStringList m_errors;
    const AmountFieldTesting::HungarianCapturingErrors m_plumbing{m_errors};

    void focusWithText(const QString &text, int caret)
    {
        AmountFieldTesting::focusWithText(m_edit, text, caret);
        QVERIFY(m_edit->hasFocus());
    }

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        m_edit = new TNumEdit(m_window.get());
        m_other = new TNumEdit(m_window.get());
        layout->addWidget(m_edit);
        layout->addWidget(m_other);
        QVERIFY(AmountFieldTesting::showActive(m_window.get()));
        m_errors.clear();
    }

    void cleanup() { m_window.reset(); }

    void startsAtZero()
    {
        QCOMPARE(m_edit->Text(), QString("0"));
        QCOMPARE(m_edit->Value(), 0.0L);
        QVERIFY(m_edit->alignment() & Qt::AlignRight);
    }

    void writeValue_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("1234.5") << 1234.5L << "1234,5";
        QTest::newRow("1/3") << 1.0L / 3.0L << "0,33333333333333";
        QTest::newRow("-0.0") << -0.0L << "0";
        QTest::newRow("10^20") << 1e20L << "1E20";
    }
    void writeValue()
    {
        QFETCH(long double, value);
        QFETCH(QString, text);
        m_edit->setText("7");
        QSignalSpy changes(m_edit, &TNumEdit::OnChange);
        m_edit->setValue(value);
        QCOMPARE(m_edit->Text(), text);
        QCOMPARE(changes.count(), 1);
        m_edit->setValue(value);
        QCOMPARE(changes.count(), 1); // the same display form fires nothing
    }

    void valueSurvivesOnlyAsItsDisplayForm()
    {
        m_edit->setValue(1.0L / 3.0L);
        QCOMPARE(m_edit->Value(), parseAmount("0,33333333333333", RegionalSettings::hungarian()));
        QVERIFY(m_edit->Value() != 1.0L / 3.0L);
    }

    void writeTextIsUnfiltered()
    {
        QSignalSpy changes(m_edit, &TNumEdit::OnChange);
        m_edit->setText("E");
        QCOMPARE(m_edit->Text(), QString("E"));
        QCOMPARE(changes.count(), 1);
        m_edit->setText("E");
        QCOMPARE(changes.count(), 1);
        QCOMPARE(errorOf([this] { m_edit->Value(); }), QString("'E' is not a valid floating point value"));
    }

    void typeDigitsOverZero()
    {
        m_other->setFocus(Qt::TabFocusReason);
        m_edit->setFocus(Qt::TabFocusReason);
        QCOMPARE(m_edit->selectedText(), QString("0")); // entering selects all
        QSignalSpy changes(m_edit, &TNumEdit::OnChange);
        QTest::keyClicks(m_edit, "100");
        QCOMPARE(m_edit->Text(), QString("100"));
        QCOMPARE(changes.count(), 3);
    }

    void keySequences_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("keys"); // "<" Backspace, ">" Delete, otherwise typed
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("caretAfter");

        QTest::newRow("5 over 0") << "0" << 1 << "5"
                                  << "5" << 1;
        QTest::newRow("3 in front of 0,5") << "0,5" << 0 << "3"
                                           << "3,5" << 1;
        QTest::newRow("separator at the start of 1234") << "1234" << 0 << ","
                                                        << "1234," << 5;
        QTest::newRow("separator in the middle of 1234") << "1234" << 2 << ","
                                                         << "1234," << 5;
        QTest::newRow("second separator") << "1234" << 1 << ",5,"
                                          << "1234,5" << 5;
        QTest::newRow("minus toggles") << "1234" << 2 << "-"
                                       << "-1234" << 3;
        QTest::newRow("minus toggles back") << "1234" << 2 << "--"
                                            << "1234" << 2;
        QTest::newRow("minus into zero") << "0" << 1 << "-"
                                         << "-0" << 2;
        QTest::newRow("e appends E") << "1234" << 1 << "e3"
                                     << "1234E3" << 6;
        QTest::newRow("backspace behind separator") << "12,5" << 3 << "<"
                                                    << "1,5" << 1;
        QTest::newRow("backspace only integer digit") << "5,3" << 1 << "<"
                                                      << "0,3" << 1;
        QTest::newRow("delete only digit") << "7" << 0 << ">"
                                           << "0" << 1;
        QTest::newRow("refused letter") << "12" << 1 << "a"
                                        << "12" << 1;
        QTest::newRow("refused space") << "12" << 1 << " "
                                       << "12" << 1;
        QTest::newRow("refused period") << "12" << 1 << "."
                                        << "12" << 1;
    }
    void keySequences()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        QFETCH(int, caretAfter);
        focusWithText(text, caret);
        for (QChar key : keys) {
            if (key == u'<')
                QTest::keyClick(m_edit, Qt::Key_Backspace);
            else if (key == u'>')
                QTest::keyClick(m_edit, Qt::Key_Delete);
            else
                QTest::keyClick(m_edit, key.toLatin1());
        }
        QCOMPARE(m_edit->Text(), after);
        QCOMPARE(m_edit->cursorPosition(), caretAfter);
    }

    void refusedKeysLeaveTextAndCaret_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("escape") << int(Qt::Key_Escape);
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("letter") << int(Qt::Key_X);
    }
    void refusedKeysLeaveTextAndCaret()
    {
        QFETCH(int, key);
        focusWithText("1234", 2);
        QSignalSpy changes(m_edit, &TNumEdit::OnChange);
        QTest::keyClick(m_edit, Qt::Key(key));
        QCOMPARE(m_edit->Text(), QString("1234"));
        QCOMPARE(m_edit->cursorPosition(), 2);
        QCOMPARE(changes.count(), 0);
    }

    void selectAllAndDelete()
    {
        focusWithText("1234", 2);
        QTest::keyClick(m_edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(m_edit->selectedText(), QString("1234"));
        QTest::keyClick(m_edit, Qt::Key_Delete);
        QCOMPARE(m_edit->Text(), QString("0"));
    }

    void typingOverASelectionFiresPerStep_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("notifications");
        QTest::newRow("1234") << "1234" << 2;
        QTest::newRow("0") << "0" << 1;
    }
    void typingOverASelectionFiresPerStep()
    {
        QFETCH(QString, text);
        QFETCH(int, notifications);
        focusWithText(text, 0);
        m_edit->selectAll();
        QStringList seen;
        connect(m_edit, &TNumEdit::OnChange, this, [&] { seen.append(m_edit->Text()); });
        QSignalSpy changes(m_edit, &TNumEdit::OnChange);
        QTest::keyClick(m_edit, '7');
        QCOMPARE(m_edit->Text(), QString("7"));
        QCOMPARE(changes.count(), notifications);
        QCOMPARE(seen.last(), QString("7"));
        if (notifications == 2)
            QCOMPARE(seen.first(), QString("0"));
    }

    void deletingASelectionFiresOnce()
    {
        focusWithText("12345", 1);
        m_edit->setSelection(1, 3);
        QSignalSpy changes(m_edit, &TNumEdit::OnChange);
        QTest::keyClick(m_edit, Qt::Key_Backspace);
        QCOMPARE(m_edit->Text(), QString("15"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(m_edit->cursorPosition(), 1);
    }

    void paste_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier);
        QTest::newRow("shift+insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
    }
    void paste()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QGuiApplication::clipboard()->setText("1 234,5 Ft");
        m_edit->setFocus(Qt::TabFocusReason);
        QSignalSpy changes(m_edit, &TNumEdit::OnChange);
        QTest::keyClick(m_edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(m_edit->Text(), QString("1234,5"));
        QCOMPARE(changes.count(), 1); // one change for the whole paste
    }

    void copyAndCut()
    {
        focusWithText(QString("1" + QString(QChar(0xA0)) + "234"), 0);
        m_edit->selectAll();
        QTest::keyClick(m_edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("1234"));
        m_edit->setSelection(0, 1);
        QTest::keyClick(m_edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("1"));
        QCOMPARE(m_edit->Text(), QString(QString(QChar(0xA0)) + "234"));
    }

    void undoIsRefused()
    {
        focusWithText("12", 2);
        QTest::keyClick(m_edit, '3');
        QTest::keyClick(m_edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_edit->Text(), QString("123"));
    }

    // A field holds 32767 characters: a paste or a keystroke that would go beyond is refused whole.
    void fullFieldTakesNoMore()
    {
        const QString almost(FieldCatalogue::FieldCapacity - 1, u'1');
        focusWithText(almost, int(almost.size()));
        QSignalSpy changes(m_edit, &TNumEdit::OnChange);
        QGuiApplication::clipboard()->setText("23");
        QTest::keyClick(m_edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_edit->Text(), almost);
        QCOMPARE(changes.count(), 0);
        QTest::keyClick(m_edit, '2');
        QTest::keyClick(m_edit, '3');
        QCOMPARE(m_edit->Text(), almost + '2');
        QCOMPARE(changes.count(), 1);
        QCOMPARE(m_edit->cursorPosition(), FieldCatalogue::FieldCapacity);
    }

    void keypadDecimalTypesTheSeparator()
    {
        focusWithText("12", 2);
        QTest::keyClick(m_edit, Qt::Key_Period, Qt::KeypadModifier);
        QCOMPARE(m_edit->Text(), QString("12,"));
        {
            const RegionalSettings::PinForTesting english(RegionalSettings::english());
            m_edit->setText("12");
            QTest::keyClick(m_edit, Qt::Key_Comma, Qt::KeypadModifier);
        }
        QCOMPARE(m_edit->Text(), QString("12."));
    }

    void arrowsMoveTheCaret()
    {
        focusWithText("1234", 4);
        QTest::keyClick(m_edit, Qt::Key_Left);
        QTest::keyClick(m_edit, Qt::Key_Left);
        QCOMPARE(m_edit->cursorPosition(), 2);
        QTest::keyClick(m_edit, '9');
        QCOMPARE(m_edit->Text(), QString("12934"));
    }

    void tabMovesTheFocus()
    {
        m_edit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(m_edit, Qt::Key_Tab);
        QVERIFY(m_other->hasFocus());
        QTest::keyClick(m_other, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(m_edit->hasFocus());
        QCOMPARE(m_edit->Text(), QString("0"));
    }

    void focusExitReformats_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("trailing zeros") << "1,50"
                                        << "1,5";
        QTest::newRow("trailing separator") << "12,"
                                            << "12";
        QTest::newRow("minus zero") << "-0"
                                    << "0";
        QTest::newRow("exponent") << "1234E3"
                                  << "1234000";
        QTest::newRow("empty exponent") << "1234E"
                                        << "1234";
    }
    void focusExitReformats()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        focusWithText(text, 0);
        QSignalSpy changes(m_edit, &TNumEdit::OnChange);
        m_other->setFocus(Qt::TabFocusReason);
        QCOMPARE(m_edit->Text(), shown);
        QCOMPARE(changes.count(), 1);
        QVERIFY(m_errors.isEmpty());
    }

    void focusExitWithABadTextShowsTheError()
    {
        focusWithText("E", 1);
        QSignalSpy changes(m_edit, &TNumEdit::OnChange);
        m_other->setFocus(Qt::TabFocusReason);
        QCOMPARE(m_edit->Text(), QString("E"));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(m_errors, QStringList{"'E' is not a valid floating point value"});
    }

    void clickSelectsAllOnlyWhenEntering()
    {
        m_edit->setText("12345");
        m_other->setFocus(Qt::TabFocusReason);
        const QPoint inside = m_edit->rect().center();
        QTest::mouseClick(m_edit, Qt::LeftButton, {}, inside);
        QVERIFY(m_edit->hasFocus());
        QCOMPARE(m_edit->selectedText(), QString("12345"));
        QTest::mouseClick(m_edit, Qt::LeftButton, {}, inside);
        QVERIFY(!m_edit->hasSelectedText());
    }

    void keyPressCancelsTheReselection()
    {
        m_edit->setText("12345");
        m_other->setFocus(Qt::TabFocusReason);
        const QPoint inside = m_edit->rect().center();
        QTest::mousePress(m_edit, Qt::LeftButton, {}, inside);
        QVERIFY(m_edit->hasFocus());
        QTest::keyClick(m_edit, Qt::Key_End);
        QTest::mouseRelease(m_edit, Qt::LeftButton, {}, inside);
        QVERIFY(!m_edit->hasSelectedText());
    }

    void middleClickPastesTheSelection()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (!clipboard->supportsSelection())
            QSKIP("the platform has no selection clipboard");
        clipboard->setText("9 x", QClipboard::Selection);
        focusWithText("12", 2);
        const QPoint end(m_edit->width() - 2, m_edit->height() / 2);
        QTest::mouseClick(m_edit, Qt::MiddleButton, {}, end);
        QCOMPARE(m_edit->Text(), QString("129"));
    }

    void dropGoesThroughTheRules()
    {
        focusWithText("0", 1);
        QMimeData mime;
        mime.setText("7a8");
        const QPoint end(m_edit->width() - 2, m_edit->height() / 2);
        // The drop goes to the widget that accepted the drag's entry.
        QDragEnterEvent enter(end, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_edit, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(end, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_edit, &drop);
        QCOMPARE(m_edit->Text(), QString("78"));
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
    }

    void inputMethodCommitGoesThroughTheRules()
    {
        focusWithText("0", 1);
        QInputMethodEvent commit;
        commit.setCommitString("4x,2");
        QApplication::sendEvent(m_edit, &commit);
        QCOMPARE(m_edit->Text(), QString("4,2"));
    }

    void disabledFieldTakesNothing()
    {
        m_other->setEnabled(false);
        QCOMPARE(m_other->focusPolicy(), Qt::NoFocus);
        QCOMPARE(m_other->palette().color(QPalette::Disabled, QPalette::Base), QColor(0xF0, 0xF0, 0xF0));
        QTest::mouseClick(m_other, Qt::LeftButton);
        QVERIFY(!m_other->hasFocus());
        QTest::keyClicks(m_other, "12");
        QCOMPARE(m_other->Text(), QString("0"));
        m_other->setEnabled(true);
        QCOMPARE(m_other->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(m_other->palette().color(QPalette::Active, QPalette::Base), QColor(0xFF, 0xFF, 0xFF));
    }
};

QTEST_MAIN(TestTNumEdit)
#include "tst_tnumedit.moc"
