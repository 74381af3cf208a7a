#pragma once
#include "RegionalSettings.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>

// What an amount field shows: its text, its caret and the selection running from the anchor
// to the caret (anchor == caret: nothing selected). Positions count characters from 0.
struct AmountEditState
{
    QString text;
    int caret = 0;
    int anchor = 0;

    int selectionStart() const { return std::min(caret, anchor); }
    int selectionEnd() const { return std::max(caret, anchor); }
    bool hasSelection() const { return caret != anchor; }
    bool operator==(const AmountEditState &) const = default;
};

// The typing rules of the amount field, worked on a copy of its state. Only digits, "-", "E"
// and the decimal separator are taken; "-" toggles a sign, the separator and "E" each go to
// their one place, and the integer part is never left empty. The field fires OnChange once per
// step of a change, so every changed text is recorded in order; deleting a selection is one
// step, and so are the characters a paste types.
class AmountKeystrokes
{
public:
    AmountKeystrokes(AmountEditState state, RegionalSettings settings)
        : m_state(std::move(state)), m_settings(std::move(settings))
    {
    }

    // A character typed or pasted; a refused one beeps and changes nothing.
    void typeCharacter(QChar c);
    void backspace() { pressDeletionKey(Direction::Backward); }
    void deleteForward() { pressDeletionKey(Direction::Forward); }
    // The clipboard text of copy and cut; empty, and nothing cut, when nothing is selected.
    QString copy() const;
    QString cut();
    // The selection rule, then the clipboard's characters typed one by one, shown as one change.
    void paste(const QString &clipboardText);

    const AmountEditState &state() const { return m_state; }
    const QStringList &changes() const { return m_changes; }
    int beeps() const { return m_beeps; }

private:
    enum class Direction { Backward, Forward };

    void pressDeletionKey(Direction direction);
    void deleteSelection();
    void toggleSign(bool inExponent);
    void typeDecimalSeparator();
    void typeExponentMark();
    void typeDigit(QChar digit);
    void asOneChange(const std::function<void()> &steps);
    void setText(const QString &text, int caret);
    void setCaret(int caret) { m_state.caret = m_state.anchor = caret; }
    bool isSkippedByDeletion(QChar c) const
    {
        return c == m_settings.decimalSeparator || c == m_settings.thousandSeparator || c == u'E';
    }

    AmountEditState m_state;
    RegionalSettings m_settings;
    QStringList m_changes;
    int m_beeps = 0;
    bool m_recordingSteps = true;
};
