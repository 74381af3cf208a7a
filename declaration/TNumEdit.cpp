#include "TNumEdit.h"
#include "AmountKeystrokes.h"
#include "AmountText.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "RegionalSettings.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <algorithm>

namespace {
const QColor clWindow(0xFF, 0xFF, 0xFF);
const QColor clBtnFace(0xF0, 0xF0, 0xF0);

bool isCaretKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down ||
           key == Qt::Key_Home || key == Qt::Key_End;
}

// The keys the box handles itself; all others go on to the window (menus, scrolling).
bool claims(QKeyEvent *event)
{
    static constexpr QKeySequence::StandardKey editing[] = {QKeySequence::Copy,  QKeySequence::Cut,
                                                            QKeySequence::Paste, QKeySequence::Undo,
                                                            QKeySequence::Redo,  QKeySequence::SelectAll};
    const bool plainText =
        !event->text().isEmpty() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    return plainText || std::ranges::any_of(editing, [event](auto key) { return event->matches(key); }) ||
           isCaretKey(event->key()) || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
}

// Regaining the window or closing a popup is not entering or leaving the field.
bool movesFocus(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}
} // namespace

TNumEdit::TNumEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(FieldCatalogue::FieldCapacity);
    setContextMenuPolicy(Qt::NoContextMenu);
    setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    setValue(0);
    applyEnabledLook();
}

long double TNumEdit::Value() const
{
    return parseAmount(text(), RegionalSettings::current());
}

void TNumEdit::setValue(long double value)
{
    setText(formatAmount(value, RegionalSettings::current()));
}

void TNumEdit::setText(const QString &text)
{
    if (text == QLineEdit::text())
        return;
    QLineEdit::setText(text);
    emit OnChange();
}

bool TNumEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        event->setAccepted(claims(static_cast<QKeyEvent *>(event)));
        return true;
    }
    return QLineEdit::event(event);
}

void TNumEdit::keyPressEvent(QKeyEvent *event)
{
    m_reselectAfterClick = false;
    if (isReadOnly() || isCaretKey(event->key())) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    AmountKeystrokes keystrokes(editState(), RegionalSettings::current());
    if (event->matches(QKeySequence::Copy)) {
        if (const QString copied = keystrokes.copy(); !copied.isEmpty())
            QGuiApplication::clipboard()->setText(copied);
    } else if (event->matches(QKeySequence::Cut)) {
        if (const QString cut = keystrokes.cut(); !cut.isEmpty())
            QGuiApplication::clipboard()->setText(cut);
        apply(keystrokes);
    } else if (event->matches(QKeySequence::Paste)) {
        pasteFrom(QGuiApplication::clipboard()->text());
    } else if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        QApplication::beep();
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->key() == Qt::Key_Backspace) {
        keystrokes.backspace();
        apply(keystrokes);
    } else if (event->key() == Qt::Key_Delete) {
        keystrokes.deleteForward();
        apply(keystrokes);
    } else if ((event->modifiers() & Qt::KeypadModifier) &&
               (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma)) {
        typeText(RegionalSettings::current().decimalSeparator);
    } else if (!event->text().isEmpty()) {
        typeText(event->text());
    } else {
        event->ignore();
    }
}

void TNumEdit::inputMethodEvent(QInputMethodEvent *event)
{
    // Only committed text counts; it is typed character by character. Composition is not shown.
    if (!isReadOnly() && !event->commitString().isEmpty())
        typeText(event->commitString());
    event->accept();
}

void TNumEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (!movesFocus(event))
        return;
    selectAll();
    m_reselectAfterClick = event->reason() == Qt::MouseFocusReason;
}

void TNumEdit::focusOutEvent(QFocusEvent *event)
{
    if (movesFocus(event))
        guarded([this] { setValue(Value()); });
    QLineEdit::focusOutEvent(event);
}

void TNumEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        m_reselectAfterClick = false;
    if (event->button() == Qt::MiddleButton) {
        // The caret marks where the selection paste of the release goes.
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TNumEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        if (!isReadOnly() && QGuiApplication::clipboard()->supportsSelection())
            pasteFrom(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && m_reselectAfterClick) {
        m_reselectAfterClick = false;
        selectAll();
    }
}

void TNumEdit::dropEvent(QDropEvent *event)
{
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    pasteFrom(event->mimeData()->text());
    // A copy, so that the source keeps its text.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TNumEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        applyEnabledLook();
    QLineEdit::changeEvent(event);
}

AmountEditState TNumEdit::editState() const
{
    AmountEditState state{text(), cursorPosition(), cursorPosition()};
    if (hasSelectedText())
        state.anchor = state.caret == selectionStart() ? selectionEnd() : selectionStart();
    return state;
}

void TNumEdit::apply(const AmountKeystrokes &keystrokes)
{
    const QStringList &steps = keystrokes.changes();
    if (std::any_of(steps.begin(), steps.end(), [this](const QString &step) { return step.size() > maxLength(); })) {
        QApplication::beep();
        return;
    }
    for (const QString &step : steps) {
        QLineEdit::setText(step);
        emit OnChange();
    }
    for (int i = 0; i < keystrokes.beeps(); ++i)
        QApplication::beep();
    // A change handler may have rewritten the text; the caret then stays where that left it.
    const AmountEditState &state = keystrokes.state();
    if (state.text != text())
        return;
    if (state.hasSelection())
        setSelection(state.anchor, state.caret - state.anchor);
    else
        setCursorPosition(state.caret);
}

void TNumEdit::typeText(const QString &characters)
{
    AmountKeystrokes keystrokes(editState(), RegionalSettings::current());
    for (QChar c : characters)
        keystrokes.typeCharacter(c);
    apply(keystrokes);
}

void TNumEdit::pasteFrom(const QString &clipboardText)
{
    AmountKeystrokes keystrokes(editState(), RegionalSettings::current());
    keystrokes.paste(clipboardText);
    apply(keystrokes);
}

void TNumEdit::applyEnabledLook()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, isEnabled() ? clWindow : clBtnFace); // in every colour group
    setPalette(palette);
    // A disabled total takes no focus, neither by Tab nor by a click.
    setFocusPolicy(isEnabled() ? Qt::StrongFocus : Qt::NoFocus);
}
