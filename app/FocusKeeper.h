#pragma once
#include <QObject>
#include <QPointer>

class QKeyEvent;
class QMenuBar;

// Keeps the keyboard's place in the form (the field, its caret and selection, an open cell
// editor) while the menu bar or a dialog has the keyboard, and gives it back.
//
// Alt, or F10 as on most desktops, hands the keyboard to the menu bar. Qt tells the field that had
// it that the focus went to the menu bar, and the field would take that as the user leaving it: an
// amount would be reformatted, a selection dropped, a cell editor closed. To the fields it is the
// window losing its activation instead, as when a command is chosen with the mouse. After a
// command has run (its dialogs closed) the focus goes back to that field, which Qt would leave in
// the menu bar, where typing is lost. A field gets its caret and selection back when the window is
// active again, since the toolkit may drop the selection while a dialog is open.
class FocusKeeper : public QObject
{
public:
    explicit FocusKeeper(QMenuBar &menuBar);

    // Run after every menu command.
    void commandDone();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPressed(QWidget *widget, const QKeyEvent &key);
    void focusLeft(QWidget *widget);
    void focusCameBack(QWidget *widget);

    QMenuBar &m_menuBar;
    QPointer<QWidget> m_field; // where the keyboard was when the menu bar or a dialog took it
    // The field's text, caret and selection's other end then, when it is a line edit.
    QString m_text;
    int m_caret = 0;
    int m_anchor = 0;
};
