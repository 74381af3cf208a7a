#include "ApplicationTitle.h"
#include "DialogScript.h"
#include "DialogUnits.h"
#include "IntlDialogs.h"
#include "TInternationalRec.h"
#include "TMessageForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

QPushButton *button(TMessageForm &form, const char *name)
{
    return form.findChild<QPushButton *>(QLatin1String(name));
}

QStringList buttonNames(TMessageForm &form)
{
    QStringList names;
    for (const QPushButton *b : form.findChildren<QPushButton *>())
        names << b->objectName();
    return names;
}

int screenWidth()
{
    return QGuiApplication::primaryScreen()->geometry().width();
}

} // namespace

class TestIntlDialogs : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { DialogLanguage = LanguageTable::English; }

    void hungarianRow()
    {
        const QStringList expected = {
            "Mégsem", "Figyelmeztetés", "Hiba", "Információ", "Megerősítés", "",           "Igen",        "Nem", "OK",
            "Mégsem", "Megszakít",      "Újra", "Kihagy",     "Mind",        "Mindre nem", "Mindre igen", "Súgó"};
        for (int e = 0; e < 17; ++e)
            QCOMPARE(LanguageTable::row(LanguageTable::Hungarian).text(e), expected[e]);
    }

    void everyRowIsComplete()
    {
        for (int language = 0; language < LanguageTable::RowCount; ++language) {
            const TInternationalRec &row = LanguageTable::row(language);
            for (int e = 0; e < 17; ++e)
                QCOMPARE(row.text(e).isEmpty(), e == 5);
        }
        QCOMPARE(LanguageTable::row(0).text(8), QStringLiteral("OK"));
        QCOMPARE(LanguageTable::row(0).text(3), QStringLiteral("Information"));
        QCOMPARE(&LanguageTable::row(200), &LanguageTable::row(LanguageTable::English));
    }

    void messageFontIsBoldVerdana()
    {
        QCOMPARE(messageFont().family(), QStringLiteral("Verdana"));
        QVERIFY(messageFont().bold());
        QCOMPARE(messageFont().pixelSize(), 13);
    }

    void inputBoxLayout()
    {
        const auto form = CreateIntlInputForm(QStringLiteral("Caption"), QStringLiteral("Prompt:"),
                                              QStringLiteral("default"), LanguageTable::Hungarian);
        const DialogUnits u = DialogUnits::of(form->font());
        QVERIFY(u.x > 0 && u.y > 0);
        QCOMPARE(form->windowTitle(), QStringLiteral("Caption"));
        QCOMPARE(form->size(), QSize(u.horizontal(180), u.vertical(63)));
        QCOMPARE(form->minimumSize(), form->maximumSize()); // not resizable
        QVERIFY(form->windowFlags() & Qt::WindowCloseButtonHint);

        const QLabel *prompt = form->findChild<QLabel *>(QStringLiteral("Prompt"));
        QCOMPARE(prompt->text(), QStringLiteral("Prompt:"));
        QCOMPARE(prompt->pos(), QPoint(u.horizontal(8), u.vertical(8)));

        const QLineEdit *edit = form->findChild<QLineEdit *>(QStringLiteral("Edit"));
        QCOMPARE(edit->geometry().topLeft(), QPoint(u.horizontal(8), u.vertical(19)));
        QCOMPARE(edit->width(), u.horizontal(164));
        QCOMPARE(edit->maxLength(), 255);
        QCOMPARE(edit->echoMode(), QLineEdit::Normal);
        QCOMPARE(edit->selectedText(), QStringLiteral("default"));

        QCOMPARE(buttonNames(*form), QStringList({"OK", "Cancel"}));
        QPushButton *ok = button(*form, "OK");
        QPushButton *cancel = button(*form, "Cancel");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(cancel->text(), QString::fromUtf8("Mégsem"));
        QVERIFY(ok->isDefault());
        QCOMPARE(ok->geometry(), QRect(u.horizontal(38), u.vertical(41), u.horizontal(50), u.vertical(14)));
        QCOMPARE(cancel->geometry(), QRect(u.horizontal(92), u.vertical(41), u.horizontal(50), u.vertical(14)));
    }

    void inputBoxKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::newRow("typing replaces the selection, Return") << "abc" << int(Qt::Key_Return) << int(mrOk) << "abc";
        QTest::newRow("Enter") << "x" << int(Qt::Key_Enter) << int(mrOk) << "x";
        QTest::newRow("Escape") << "abc" << int(Qt::Key_Escape) << int(mrCancel) << "abc";
        QTest::newRow("256th character refused")
            << QString(300, QLatin1Char('q')) << int(Qt::Key_Return) << int(mrOk) << QString(255, QLatin1Char('q'));
    }
    void inputBoxKeys()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        const auto form = CreateIntlInputForm("C", "P", "default", LanguageTable::Hungarian);
        form->open();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QLineEdit *edit = form->findChild<QLineEdit *>(QStringLiteral("Edit"));
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key(key));
        QTEST(form->result(), "result");
        QVERIFY(!form->isVisible());
        QTEST(edit->text(), "text");
    }

    void inputBoxRefusesCharactersOutsideWindows1250()
    {
        const auto form = CreateIntlInputForm("C", "P", "", LanguageTable::Hungarian);
        QLineEdit *edit = form->findChild<QLineEdit *>(QStringLiteral("Edit"));
        for (const QString &typed : {QString::fromUtf8("ő"), QString::fromUtf8("Ж"), QStringLiteral("k")}) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QApplication::sendEvent(edit, &press);
        }
        QCOMPARE(edit->text(), QString::fromUtf8("ők"));
    }

    void inputBoxButtonsAndCloseBox()
    {
        const auto form = CreateIntlInputForm("C", "P", "", LanguageTable::Hungarian);
        form->open();
        QTest::mouseClick(button(*form, "Cancel"), Qt::LeftButton);
        QCOMPARE(form->result(), int(mrCancel));
        form->open();
        QTest::mouseClick(button(*form, "OK"), Qt::LeftButton);
        QCOMPARE(form->result(), int(mrOk));
        form->open();
        QVERIFY(form->close());
        QCOMPARE(form->result(), int(mrCancel));
    }

    void inputQueryResults_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("text");
        QTest::newRow("OK") << int(mrOk) << "secret" << true << "secret";
        QTest::newRow("OK on an empty line") << int(mrOk) << "" << true << "";
        QTest::newRow("Cancel") << int(mrCancel) << "typed" << false << "default";
    }
    void inputQueryResults()
    {
        QFETCH(int, button);
        QFETCH(QString, typed);
        DialogScript script;
        script.answerNext(button, typed);
        QString text = QStringLiteral("overwritten");
        QTEST(IntlInputQuery("C", "P", "default", text), "confirmed");
        QTEST(text, "text");
        QCOMPARE(script.shown().size(), size_t(1));
    }

    void unansweredScriptedDialogIsClosed()
    {
        DialogScript script;
        script.answerNext(mrOk); // consumed by the first dialog
        IntlShowMessage("one");
        QString text;
        QVERIFY(!IntlInputQuery("C", "P", "default", text));
        QCOMPARE(text, QStringLiteral("default"));
        QCOMPARE(script.shown().size(), size_t(2));
    }

    void showMessageInHungarian()
    {
        DialogLanguage = LanguageTable::Hungarian;
        DialogScript script;
        script.answerNext(mrOk);
        IntlShowMessage("Nincs");
        const DialogScript::ShownDialog &shown = script.shown().at(0);
        QCOMPARE(shown.title, QString::fromUtf8("Információ"));
        QCOMPARE(shown.text, QStringLiteral("Nincs"));
        QCOMPARE(shown.buttons, QStringList{QStringLiteral("OK")});
    }

    void showMessageInEnglishByDefault()
    {
        DialogScript script;
        script.answerNext(mrOk);
        IntlShowMessage("x");
        QCOMPARE(script.shown().at(0).title, QStringLiteral("Information"));
    }

    void messageDlgReturnsTheButtonsResult()
    {
        DialogScript script;
        script.answerNext(mrNo);
        QCOMPARE(IntlMessageDlg("?", mtConfirmation, {mbYes, mbNo}, 0), int(mrNo));
        QCOMPARE(script.shown().at(0).buttons, QStringList({"Yes", "No"}));
    }

    void informationBox()
    {
        const QString text = QStringLiteral("Nincs mentés!           .");
        const auto form = CreateIntlMessageForm(text, mtInformation, {mbOK}, LanguageTable::Hungarian);
        const DialogUnits u = DialogUnits::of(form->font());
        QCOMPARE(form->windowTitle(), QString::fromUtf8("Információ"));
        const QLabel *image = form->findChild<QLabel *>(QStringLiteral("Image"));
        QVERIFY(image);
        QCOMPARE(image->geometry(), QRect(u.horizontal(8), u.vertical(8), 32, 32));
        const QLabel *message = form->findChild<QLabel *>(QStringLiteral("Message"));
        QCOMPARE(message->text(), text);
        QCOMPARE(message->font(), messageFont());
        QVERIFY(message->wordWrap());
        QCOMPARE(message->x(), u.horizontal(8) + 32 + u.horizontal(10));
        QCOMPARE(message->y(), u.vertical(8));
        const QSize extent = QFontMetrics(form->font()).size(0, text);
        QCOMPARE(message->width(), extent.width());
        QCOMPARE(message->height(), 2 * extent.height());

        QCOMPARE(buttonNames(*form), QStringList{QStringLiteral("OK")});
        QPushButton *ok = button(*form, "OK");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(ok->size(), QSize(u.horizontal(50), u.vertical(14)));
        QCOMPARE(ok->x(), (form->width() - ok->width()) / 2);
        QCOMPARE(ok->y(), 32 + u.vertical(8) + u.vertical(10));
        QCOMPARE(form->height(), 32 + u.vertical(14) + u.vertical(10) + 2 * u.vertical(8));
        QCOMPARE(form->x(), screenWidth() / 2 - form->frameGeometry().width() / 2);
    }

    // The one OK button is both the default and the cancel button.
    void informationBoxCloses_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(mrOk);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(mrOk);
    }
    void informationBoxCloses()
    {
        QFETCH(int, key);
        const auto form = CreateIntlMessageForm("x", mtInformation, {mbOK}, LanguageTable::Hungarian);
        form->open();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!form->isVisible());
        QTEST(form->result(), "result");
    }
    void closeBoxGivesCancel()
    {
        const auto form = CreateIntlMessageForm("x", mtInformation, {mbOK}, LanguageTable::Hungarian);
        form->open();
        QVERIFY(form->close());
        QCOMPARE(form->result(), int(mrCancel));
    }

    void customTypeHasNoIcon()
    {
        const auto form = CreateIntlMessageForm("plain", mtCustom, {mbOK}, LanguageTable::Hungarian);
        const DialogUnits u = DialogUnits::of(form->font());
        QCOMPARE(form->windowTitle(), applicationTitle());
        QVERIFY(!form->findChild<QLabel *>(QStringLiteral("Image")));
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("Message"))->x(), u.horizontal(8));
    }

    void titlesByType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("title");
        QTest::newRow("warning") << int(mtWarning) << QString::fromUtf8("Figyelmeztetés");
        QTest::newRow("error") << int(mtError) << QStringLiteral("Hiba");
        QTest::newRow("confirmation") << int(mtConfirmation) << QString::fromUtf8("Megerősítés");
    }
    void titlesByType()
    {
        QFETCH(int, type);
        const auto form = CreateIntlMessageForm("x", TMsgDlgType(type), {mbOK}, LanguageTable::Hungarian);
        QTEST(form->windowTitle(), "title");
        QVERIFY(form->findChild<QLabel *>(QStringLiteral("Image")));
    }

    void longMessageWraps()
    {
        const auto shortForm = CreateIntlMessageForm("short", mtInformation, {mbOK}, LanguageTable::Hungarian);
        const QString words = QStringLiteral("szó ").repeated(400);
        const auto longForm = CreateIntlMessageForm(words, mtInformation, {mbOK}, LanguageTable::Hungarian);
        const QLabel *message = longForm->findChild<QLabel *>(QStringLiteral("Message"));
        QVERIFY(message->width() <= screenWidth() / 2);
        QVERIFY(message->height() > 4 * QFontMetrics(longForm->font()).height());
        QVERIFY(longForm->height() > shortForm->height());
    }

    void buttonOrderCaptionsAndResults()
    {
        const auto form =
            CreateIntlMessageForm("?", mtConfirmation, {mbCancel, mbNo, mbYes, mbHelp}, LanguageTable::Hungarian);
        QCOMPARE(buttonNames(*form), QStringList({"Yes", "No", "Cancel", "Help"}));
        QCOMPARE(button(*form, "Yes")->text(), QStringLiteral("Igen"));
        QCOMPARE(button(*form, "No")->text(), QStringLiteral("Nem"));
        QCOMPARE(button(*form, "Help")->text(), QString::fromUtf8("Súgó"));
        QVERIFY(button(*form, "Yes")->isDefault());
        QCOMPARE(button(*form, "No")->x() - button(*form, "Yes")->x(),
                 button(*form, "Yes")->width() + DialogUnits::of(form->font()).horizontal(4));

        form->open();
        QTest::mouseClick(button(*form, "Help"), Qt::LeftButton);
        QVERIFY(form->isVisible()); // nothing to open, and Help does not close
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QCOMPARE(form->result(), int(mrCancel));
        for (const auto &[name, result] : {std::pair{"Yes", mrYes}, {"No", mrNo}, {"Cancel", mrCancel}}) {
            form->open();
            QTest::mouseClick(button(*form, name), Qt::LeftButton);
            QCOMPARE(form->result(), int(result));
        }
    }

    void escapeFallsBackToNo()
    {
        const auto form = CreateIntlMessageForm("?", mtConfirmation, {mbYes, mbNo}, LanguageTable::English);
        form->open();
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QCOMPARE(form->result(), int(mrNo));
    }

    void escapeWithoutCancelButtonDoesNothing()
    {
        const auto form = CreateIntlMessageForm("?", mtError, {mbAbort, mbRetry, mbIgnore}, LanguageTable::English);
        QVERIFY(button(*form, "Retry")->isDefault());
        form->open();
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(form->isVisible());
        QTest::mouseClick(button(*form, "Ignore"), Qt::LeftButton);
        QCOMPARE(form->result(), int(mrIgnore));
    }

    // The frame the window system adds when the dialog is shown counts in its outer size: the
    // test platform gives every window a 2 px border.
    void shownDialogIsCentredOnItsFrame_data()
    {
        QTest::addColumn<bool>("inputBox");
        QTest::newRow("input box") << true;
        QTest::newRow("message box") << false;
    }
    void shownDialogIsCentredOnItsFrame()
    {
        QFETCH(bool, inputBox);
        const auto form = inputBox ? CreateIntlInputForm("Caption", "Prompt:", "", LanguageTable::Hungarian)
                                   : CreateIntlMessageForm("x", mtInformation, {mbOK}, LanguageTable::Hungarian);
        form->open();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QRect frame = form->frameGeometry();
        QVERIFY(frame.size() != form->size());
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QTRY_COMPARE(form->frameGeometry().topLeft(),
                     QPoint(screen.width() / 2 - frame.width() / 2, screen.height() / 2 - frame.height() / 2));
    }
};

QTEST_MAIN(TestIntlDialogs)
#include "tst_intldialogs.moc"
