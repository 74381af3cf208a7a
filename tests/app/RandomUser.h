#pragma once
#include "ErrorBox.h"
#include "WindowTesting.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <optional>
#include <random>

// A careless user of the real main window, reproducible from a seed: typing every kind of
// character, Tab and Shift+Tab, clicks on fields, cells, labels and empty places, the wheel, the
// caret and deletion keys, the clipboard keys, F2, Enter and Escape in the table, and the three
// menu commands with their dialogs answered (OK or Cancel, right or wrong password, the preview
// closed, zoomed or printed). Each action is checked against what the user must then see; the
// invariants of the whole window are checked apart (ProgramInvariants).
class RandomUser
{
public:
    RandomUser(WindowTesting::RunningProgram &program, quint64 seed);

    // One action. Returns what went wrong, or nothing.
    std::optional<QString> act();

    // The actions so far, newest last, each as one line.
    const QStringList &log() const { return m_log; }
    int commands() const { return m_commands; }
    // Every message the error box showed.
    const QStringList &errors() const { return m_errors; }

private:
    int pick(int count);
    bool chance(int percent) { return pick(100) < percent; }
    QString randomText();

    void typeCharacters();
    void pressKey();
    void clipboardKey();
    void click();
    void wheel();
    std::optional<QString> print();
    std::optional<QString> save();
    std::optional<QString> load();
    // Chooses the menu entry, then checks what the command did and that the focus came back.
    std::optional<QString> command(int item, const std::function<std::optional<QString>()> &check);

    QWidget *focusOrWindow() const;
    QString focusName() const; // for the log
    void settle() const;
    void errorBoxShown(const QString &message);

    WindowTesting::RunningProgram &m_program;
    std::mt19937_64 m_random;
    QStringList m_log;
    int m_commands = 0;
    QStringList m_errors;
    const ErrorSinkForTesting m_errorBoxes;
    QTemporaryDir m_pdfFolder;

    // The last successful save: its password and the fields it holds (snapshot() order).
    std::optional<QString> m_savedPassword;
    QStringList m_savedFields;
};
