#pragma once
#include <QLineEdit>

class AmountKeystrokes;
struct AmountEditState;

// The amount field: a right-aligned box that takes only the characters of a number and keeps
// it well-formed while the user types. Its text is its only state; Value parses the text at
// each read (and throws the conversion error for a text that does not parse).
//
// Every way text enters goes through the typing rules: typed keys, the numeric keypad's
// decimal key (which types the regional decimal separator), Ctrl+V and Shift+Insert, the X11
// middle-click selection paste, drag and drop, and input-method commits. Undo and redo are
// refused with the beep, and so is whole any change that would take the text beyond
// FieldCatalogue::FieldCapacity characters (a longer Text written is cut there). The box offers
// no context menu. It claims only the caret keys (arrows, Home, End), Backspace, Delete, the
// clipboard keys and characters; Tab and Shift+Tab move the focus and every other key goes on
// to the window.
//
// Signals:
//  OnChange  fires once for every change of the shown text and never when the text stays as it
//            was: each step of a keystroke, paste, cut or deletion (typing a digit over the whole
//            text gives "0" and then the digit: two notifications; deleting a selection is one
//            step, and so are the characters a paste types), a write of Text or Value with a
//            different text, and the reformatting to the display form when the focus leaves.
class TNumEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TNumEdit(QWidget *parent = nullptr);

    long double Value() const;
    void setValue(long double value); // writes the display form

    QString Text() const { return text(); }
    void setText(const QString &text); // unfiltered; reformatted when the focus next leaves

signals:
    void OnChange();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    AmountEditState editState() const;
    // Shows each changed text in turn with its OnChange, then the final caret and selection.
    void apply(const AmountKeystrokes &keystrokes);
    void typeText(const QString &characters);
    void pasteFrom(const QString &clipboardText);
    void applyEnabledLook();

    // A click that brought the focus selects the whole text again once it has placed the caret.
    bool m_reselectAfterClick = false;
};
