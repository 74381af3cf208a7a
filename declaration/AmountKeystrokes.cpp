#include "AmountKeystrokes.h"
#include "AmountText.h"
#include "TypedExponent.h"

void AmountKeystrokes::typeCharacter(QChar c)
{
    // The Backspace key does its work at the key press; its character is dropped silently.
    if (c == u'\b')
        return;
    if (!isDigit(c) && c != u'-' && c != u'E' && c != u'e' && c != m_settings.decimalSeparator) {
        ++m_beeps;
        return;
    }
    if (c == u'e')
        c = u'E';

    const qsizetype exponentMark = m_state.text.indexOf(u'E');
    const bool caretInExponent = exponentMark >= 0 && m_state.caret > exponentMark;
    if (c == u'E' || c == m_settings.decimalSeparator)
        setCaret(m_state.selectionStart());
    else if (m_state.hasSelection())
        deleteSelection();
    // Nothing is typed in front of the number's sign, nor a digit in front of the exponent's.
    if (m_state.text.startsWith(u'-') && m_state.caret == 0)
        setCaret(1);
    const qsizetype exponentSign = m_state.text.indexOf(u'E') + 1;
    if (isDigit(c) && exponentSign > 0 && m_state.caret == exponentSign && m_state.text.size() > exponentSign &&
        m_state.text[exponentSign] == u'-')
        setCaret(m_state.caret + 1);

    if (c == u'-')
        toggleSign(caretInExponent);
    else if (c == m_settings.decimalSeparator)
        typeDecimalSeparator();
    else if (c == u'E')
        typeExponentMark();
    else
        typeDigit(c);
}

void AmountKeystrokes::toggleSign(bool inExponent)
{
    QString text = m_state.text;
    int caret = m_state.caret;
    const qsizetype exponentMark = text.indexOf(u'E');
    if (inExponent && exponentMark >= 0) {
        const int signPos = static_cast<int>(exponentMark) + 1;
        if (signPos < text.size() && text[signPos] == u'-') {
            text.remove(signPos, 1);
            if (caret > signPos)
                --caret;
        } else {
            text.insert(signPos, u'-');
            if (caret >= signPos)
                ++caret;
        }
    } else if (text.startsWith(u'-')) {
        text.remove(0, 1);
        caret = std::max(0, caret - 1);
    } else {
        text.prepend(u'-');
        ++caret;
    }
    setText(text, caret);
}

void AmountKeystrokes::typeDecimalSeparator()
{
    const qsizetype separator = m_state.text.indexOf(m_settings.decimalSeparator);
    if (separator >= 0) {
        setCaret(static_cast<int>(separator) + 1);
        return;
    }
    // The separator always ends the mantissa, wherever the caret stood.
    const qsizetype exponentMark = m_state.text.indexOf(u'E');
    const int pos = static_cast<int>(exponentMark >= 0 ? exponentMark : m_state.text.size());
    setText(QString(m_state.text).insert(pos, m_settings.decimalSeparator), pos + 1);
}

void AmountKeystrokes::typeExponentMark()
{
    const qsizetype exponentMark = m_state.text.indexOf(u'E');
    if (exponentMark >= 0) {
        setCaret(static_cast<int>(exponentMark) + 1);
        return;
    }
    // An exponent needs a mantissa: in an empty box or behind a lone sign the "E" comes with a zero.
    QString text = m_state.text;
    if (text.isEmpty() || text == u"-")
        text += u'0';
    setText(text + u'E', static_cast<int>(text.size()) + 1);
}

void AmountKeystrokes::typeDigit(QChar digit)
{
    QString text = m_state.text;
    const int caret = m_state.caret;
    const qsizetype exponentMark = text.indexOf(u'E');
    int typedCaret = caret + 1;
    // A leading zero, of the number or of the exponent, is replaced rather than kept.
    if (caret <= 2 && text.size() >= 2 && text[0] == u'-' && text[1] == u'0') {
        text[1] = digit;
        typedCaret = 2;
    } else if (caret <= 1 && text.startsWith(u'0')) {
        text[0] = digit;
        typedCaret = 1;
    } else if (exponentMark >= 0 && caret == exponentMark + 1 && caret < text.size() && text[caret] == u'0') {
        text[caret] = digit;
    } else {
        text.insert(caret, digit);
    }
    if (exponentMark >= 0 && caret > exponentMark) {
        const auto front = QStringView(text).mid(exponentMark + 1, caret - exponentMark - 1);
        if (TypedExponent(front, QStringView(text).mid(caret + 1)).take(QStringView(&digit, 1), m_beeps).isEmpty())
            return;
    }
    setText(text, typedCaret);
}

// Positions from 1: the target character, the decimal separator (0: none) and the "E"
// (length + 1: none).
void AmountKeystrokes::pressDeletionKey(Direction direction)
{
    if (m_state.hasSelection()) {
        deleteSelection();
        return;
    }
    QString text = m_state.text;
    const int length = static_cast<int>(text.size());
    const int step = direction == Direction::Backward ? -1 : 1;
    int target = direction == Direction::Backward ? m_state.caret : m_state.caret + 1;
    // The separator and the "E" are never deleted on their own, even where they stand together.
    while (target >= 1 && target <= length && isSkippedByDeletion(text[target - 1]))
        target += step;
    if (target < 1 || target > length)
        return;
    const int separator = static_cast<int>(text.indexOf(m_settings.decimalSeparator)) + 1;
    const qsizetype exponentMark = text.indexOf(u'E');
    const int exponent = exponentMark >= 0 ? static_cast<int>(exponentMark) + 1 : length + 1;

    if (separator != 0 && separator < target && target < exponent) {
        text.remove(target - 1, 1);
        setText(text, target - 1);
    } else if (target == 1 && text.startsWith(u'-')) {
        text.remove(0, 1);
        setText(text.isEmpty() ? QStringLiteral("0") : text, 0);
    } else if ((target == 1 && (separator == 2 || exponent == 2 || length == 1)) ||
               (target == 2 && text.startsWith(u'-') && exponentMark == 2)) {
        // The integer part never becomes empty; behind a sign only in front of an "E", since
        // "-" and "-,5" still read as numbers and "-E3" does not.
        text[target - 1] = u'0';
        setText(text, target);
    } else {
        text.remove(target - 1, 1);
        setText(text, target - 1);
    }
}

// Backspace from the selection's end, once per selected character but the separators and the "E"
// (which stay). Behind the first two characters a press just removes one, so those go at once.
void AmountKeystrokes::deleteSelection()
{
    const int start = m_state.selectionStart();
    const int end = m_state.selectionEnd();
    if (start == 0 && end == m_state.text.size()) {
        setText(QStringLiteral("0"), 1);
        return;
    }
    const int plain = std::clamp(2, start, end);
    const auto presses = std::count_if(m_state.text.begin() + start, m_state.text.begin() + plain,
                                       [this](QChar c) { return !isSkippedByDeletion(c); });
    QString text = m_state.text.left(plain);
    int caret = end;
    for (int pos = plain; pos < end; ++pos) {
        if (isSkippedByDeletion(m_state.text[pos]))
            text += m_state.text[pos];
        else if (caret == end)
            caret = pos;
    }
    text += QStringView(m_state.text).mid(end);
    asOneChange([&] {
        setText(text, caret);
        for (qsizetype i = 0; i < presses; ++i)
            pressDeletionKey(Direction::Backward);
    });
}

QString AmountKeystrokes::copy() const
{
    if (!m_state.hasSelection())
        return {};
    const int start = m_state.selectionStart();
    return normalizedAmountText(m_state.text.mid(start, m_state.selectionEnd() - start), m_settings);
}

QString AmountKeystrokes::cut()
{
    const QString clipboardText = copy();
    if (m_state.hasSelection())
        deleteSelection();
    return clipboardText;
}

void AmountKeystrokes::paste(const QString &clipboardText)
{
    if (m_state.hasSelection())
        deleteSelection();
    // Typed one by one, but a run of digits that each simply go in at the caret or are refused
    // (behind the first two characters, not right behind the "E") at once, not a copy of the text each.
    asOneChange([this, &clipboardText] {
        for (qsizetype next = 0, end = 0; next < clipboardText.size(); next = end) {
            const int caret = m_state.caret;
            const qsizetype mark = m_state.text.indexOf(u'E');
            while (caret > 2 && (mark < 0 || caret != mark + 1) && end < clipboardText.size() &&
                   isDigit(clipboardText[end]))
                ++end;
            if (end == next) {
                typeCharacter(clipboardText[end++]);
                continue;
            }
            const auto run = QStringView(clipboardText).mid(next, end - next);
            const auto text = QStringView(m_state.text);
            const QString taken =
                mark < 0 || caret <= mark
                    ? run.toString()
                    : TypedExponent(text.mid(mark + 1, caret - mark - 1), text.mid(caret)).take(run, m_beeps);
            m_state.text.insert(caret, taken);
            setCaret(caret + static_cast<int>(taken.size()));
        }
    });
}

// The field shows and notifies only the text the steps end in: a change per step cost a copy, a
// layout and a parse of the whole text each, and beyond the range an error box each.
void AmountKeystrokes::asOneChange(const std::function<void()> &steps)
{
    const QString before = m_state.text;
    const bool recording = std::exchange(m_recordingSteps, false);
    steps();
    m_recordingSteps = recording;
    if (recording && m_state.text != before)
        m_changes.append(m_state.text);
}

void AmountKeystrokes::setText(const QString &text, int caret)
{
    if (text != m_state.text) {
        m_state.text = text;
        if (m_recordingSteps)
            m_changes.append(text);
    }
    setCaret(caret);
}
