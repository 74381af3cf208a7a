#include "FocusKeeper.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>

namespace {

// The focus changes that do not take the user out of the field: another window (a dialog, a
// popup) or the menu bar has the keyboard for a while.
bool keepsPlace(const QFocusEvent &event)
{
    return event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason ||
           event.reason() == Qt::MenuBarFocusReason;
}

} // namespace

FocusKeeper::FocusKeeper(QMenuBar &menuBar) : QObject(&menuBar), m_menuBar(menuBar)
{
    qApp->installEventFilter(this);
}

void FocusKeeper::commandDone()
{
    if (m_field && m_menuBar.window()->focusWidget() == &m_menuBar)
        m_field->setFocus(Qt::MenuBarFocusReason);
}

bool FocusKeeper::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_menuBar.window())
        return false;
    if (event->type() == QEvent::KeyPress)
        return keyPressed(widget, *static_cast<QKeyEvent *>(event));
    if ((event->type() != QEvent::FocusOut && event->type() != QEvent::FocusIn) || widget == &m_menuBar)
        return false;
    const auto &focus = *static_cast<QFocusEvent *>(event);
    if (!keepsPlace(focus))
        return false;
    if (focus.reason() == Qt::MenuBarFocusReason) {
        // Passed on (through this filter again) as what it is to the field: the window losing or
        // regaining the keyboard.
        QFocusEvent asActivation(event->type(), Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(widget, &asActivation);
        return true;
    }
    if (event->type() == QEvent::FocusOut)
        focusLeft(widget);
    else
        focusCameBack(widget);
    return false;
}

bool FocusKeeper::keyPressed(QWidget *widget, const QKeyEvent &key)
{
    if (key.key() == Qt::Key_F10 && key.modifiers() == Qt::NoModifier) {
        if (widget == &m_menuBar) {
            commandDone(); // F10 again closes the menu bar, as Escape does
        } else {
            m_menuBar.setFocus(Qt::MenuBarFocusReason);
            m_menuBar.setActiveAction(m_menuBar.actions().constFirst());
        }
        return true;
    }
    // Escape leaves a menu bar opened with F10 holding the keyboard with no entry chosen.
    if (widget == &m_menuBar)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!m_menuBar.activeAction())
                    commandDone();
            },
            Qt::QueuedConnection);
    return false;
}

void FocusKeeper::focusLeft(QWidget *widget)
{
    m_field = widget;
    if (const auto *line = qobject_cast<const QLineEdit *>(widget)) {
        m_text = line->text();
        m_caret = line->cursorPosition();
        m_anchor = !line->hasSelectedText()            ? m_caret
                   : m_caret == line->selectionStart() ? line->selectionEnd()
                                                       : line->selectionStart();
    }
}

void FocusKeeper::focusCameBack(QWidget *widget)
{
    auto *line = qobject_cast<QLineEdit *>(widget);
    // A text written meanwhile (a loaded form) keeps the caret that writing it gave.
    if (!line || widget != m_field || line->text() != m_text)
        return;
    if (m_anchor == m_caret)
        line->setCursorPosition(m_caret);
    else
        line->setSelection(m_anchor, m_caret - m_anchor);
}
