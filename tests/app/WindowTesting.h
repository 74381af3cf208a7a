#pragma once
// Driving the program's real main window as a person would: typing, the wheel, the menu bar,
// and reading back what a save wrote.
#include "DeclarationForm.h"
#include "DeclarationSnapshot.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "FormScrollArea.h"
#include "InMemoryDeclaration.h"
#include "LineBuffer.h"
#include "RecordFormat.h"
#include "SavedFormCommands.h"
#include "Startup.h"
#include "TForm1.h"
#include "THeaderFill.h"
#include "TRijndael.h"
#include "TStringGrid.h"
#include "Windows1250.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <optional>

namespace WindowTesting {

// The main window's parts, found as the form names them.
inline DeclarationForm &declarationOf(const QWidget &window)
{
    return *window.findChild<DeclarationForm *>();
}
inline FormScrollArea *scrollAreaOf(const QWidget &window)
{
    return window.findChild<FormScrollArea *>();
}
inline THeaderFill *headerFillOf(const QWidget &window, int section)
{
    return window.findChild<THeaderFill *>(QStringLiteral("HeaderFill%1").arg(section));
}

// Types text character by character the way a keyboard with those keys would.
inline void type(QWidget *target, const QString &text)
{
    for (QChar ch : text) {
        QWidget *receiver = QApplication::focusWidget() ? QApplication::focusWidget() : target;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(receiver, &press);
        QApplication::sendEvent(receiver, &release);
    }
}

// A wheel turn of delta (120 a notch, positive away from the user) over the target.
inline void wheel(QWidget *target, int delta)
{
    const QPointF pos(5, 5);
    QWheelEvent event(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// For as long as it lives, every error box is shown modally as to a person and closed with OK,
// its message kept.
struct AnsweredErrorBoxes
{
    QStringList messages;
    const ErrorSinkForTesting sink{[this](const QString &message) { messages << message; },
                                   ErrorSinkForTesting::AnsweringTheBox};
};

// The program as it starts, saving into a folder of its own.
class RunningProgram
{
public:
    RunningProgram()
    {
        if (!QTest::qWaitForWindowActive(&m_windows.form1()))
            qFatal("the main window did not become active");
    }

    TForm1 &window() const { return m_windows.form1(); }
    DeclarationForm &form() const { return declarationOf(window()); }
    TStringGrid *grid() const { return form().grid(); }
    QWidget *field(QStringView name) const { return form().widget(*FieldCatalogue::find(name)); }
    static QString savedFile() { return SavedFormCommands::filePath(); }

    // A click on the menu bar entry (0 print, 1 save, 2 load), the way a mouse chooses it.
    void choose(int item) const
    {
        QMenuBar *bar = window().menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().at(item)).center());
    }

    // Alt (pressed and released alone) or F10 hands the keyboard to the menu bar.
    static void openMenuBar(Qt::Key opener)
    {
        if (opener == Qt::Key_Alt) {
            QTest::keyPress(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
            QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
        } else {
            QTest::keyClick(QApplication::focusWidget(), opener);
        }
    }

    // The entry chosen from the keyboard: the menu bar opened, the arrows to the entry, Enter.
    static void chooseByKeyboard(int item, Qt::Key opener)
    {
        openMenuBar(opener);
        for (int i = 0; i < item; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

    // The fields that the saved file restores to under the password, or nothing when the
    // password does not open it.
    std::optional<QStringList> savedFields(const QString &password) const
    {
        QFile file(savedFile());
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        TRijndael cipher;
        cipher.SetKeyFromPassword(Windows1250::encode(password));
        LineBuffer plaintext;
        plaintext.setText(cipher.DecryptText(file.readAll()));
        InMemoryDeclaration restored;
        if (!RecordFormat::checkAndRestore(plaintext, restored))
            return std::nullopt;
        return snapshot(restored);
    }

private:
    QTemporaryDir m_directory;
    const SavedFormCommands::FolderForTesting m_folder{m_directory.path()};
    Startup m_windows;
};

} // namespace WindowTesting
