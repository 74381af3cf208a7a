// The amount field's typing rules: the bytes are a sequence of editing operations (typed
// characters, Backspace, Delete, caret moves, selections, paste, cut) applied to the text of a
// new field, "0" selected whole as when the field is entered. After every operation, and for
// every intermediate text the field shows (each fires OnChange, and a group total reads it),
// the text must be a number the field can hold, and the caret and selection must lie inside it;
// a paste must end where typing its characters one by one ends, and a deleted selection where
// pressing Backspace for each of its characters ends.
#include "AmountKeystrokes.h"
#include "AmountText.h"
#include "Error.h"
#include "FuzzCheck.h"
#include "RegionalSettings.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <cstdint>

namespace {

// Longer inputs add nothing the fuzzer cannot reach with fewer steps and only slow it down.
constexpr int MaxOperations = 256;
constexpr int MaxPasteLength = 8;

class ByteReader
{
public:
    ByteReader(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    int next() { return atEnd() ? 0 : m_data[m_pos++]; }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// What reaches the field as characters: the accepted ones, both separators of both settings,
// refused letters and blanks, and the control characters of Backspace and Return.
QChar character(int byte, const RegionalSettings &settings)
{
    static const QString others = QStringLiteral("Ee-+., a\b\r") + QChar(0x00A0);
    if (byte % 2 == 0)
        return QChar(u'0' + (byte / 2) % 10);
    const int i = (byte / 2) % (others.size() + 1);
    return i == others.size() ? settings.decimalSeparator : others[i];
}

QString characters(ByteReader &input, const RegionalSettings &settings, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += character(input.next(), settings);
    return text;
}

// The field's text: "-"? integer digits, then optionally the decimal separator and decimals,
// then optionally "E", an exponent sign "-" and exponent digits. The mantissa holds a digit or
// the separator; the rules may empty the integer part behind a sign or in front of the
// separator ("-,5", ",5" while a selection is deleted step by step), and toggling the sign of a
// lone "-" leaves the empty text, all of which the parse reads as numbers ("" as 0, "-" as -0).
// Every such text parses, apart from one beyond the range of the arithmetic (about 1.19e4932):
// typing refuses exponents above 4932 in magnitude, not their products ("9E4932"), and puts no
// limit on the number of digits, so an integer part of 4933 digits or more may be beyond it too.
bool mayBeBeyondRange(const QRegularExpressionMatch &match, const RegionalSettings &settings)
{
    if (match.hasCaptured(3))
        return true;
    const QString integer = match.captured(2).section(settings.decimalSeparator, 0, 0);
    const auto firstSignificant = std::find_if(integer.begin(), integer.end(), [](QChar c) { return c != u'0'; });
    return integer.end() - firstSignificant > 4932;
}

void checkText(const QString &text, const RegionalSettings &settings)
{
    // Compiled once for each separator: a long input checks thousands of texts.
    static QHash<QString, QRegularExpression> shapes;
    auto shape = shapes.constFind(settings.decimalSeparator);
    if (shape == shapes.constEnd())
        shape = shapes.insert(settings.decimalSeparator,
                              QRegularExpression(QStringLiteral("^(-?)([0-9]*%1?[0-9]*)(E-?[0-9]*)?$")
                                                     .arg(QRegularExpression::escape(settings.decimalSeparator))));
    const QRegularExpressionMatch match = shape->match(text);
    FUZZ_CHECK(match.hasMatch(), text);
    FUZZ_CHECK(!match.captured(2).isEmpty() || text.isEmpty() || text == u"-", text);
    try {
        parseAmount(text, settings);
    } catch (const Error &) {
        FUZZ_CHECK(mayBeBeyondRange(match, settings), text);
    }
}

void checkState(const AmountKeystrokes &keystrokes, const RegionalSettings &settings)
{
    for (const QString &text : keystrokes.changes())
        checkText(text, settings);
    const AmountEditState &state = keystrokes.state();
    checkText(state.text, settings);
    FUZZ_CHECK(state.caret >= 0 && state.caret <= state.text.size(), state.text);
    FUZZ_CHECK(state.anchor >= 0 && state.anchor <= state.text.size(), state.text);
}

bool isAccepted(QChar c, const RegionalSettings &settings)
{
    return c.isDigit() || c == u'-' || c == u'E' || c == u'e' || c == settings.decimalSeparator;
}

enum Operation {
    Type,
    TypeSeveral,
    Backspace,
    Delete,
    CaretLeft,
    CaretRight,
    Home,
    End,
    ShiftLeft,
    ShiftRight,
    ShiftHome,
    ShiftEnd,
    PlaceCaret,
    Select,
    SelectAll,
    Paste,
    Cut,
    Copy,
    PasteClipboard,
    OperationCount
};

// Caret keys and mouse selections are the line edit's own work; the rules see only their result.
void moveCaret(AmountEditState &state, int caret, bool extend)
{
    state.caret = std::clamp(caret, 0, static_cast<int>(state.text.size()));
    if (!extend)
        state.anchor = state.caret;
}

void applyCaretOperation(int operation, ByteReader &input, AmountEditState &state)
{
    const int length = static_cast<int>(state.text.size());
    switch (operation) {
    case CaretLeft:
    case ShiftLeft:
        moveCaret(state, state.caret - 1, operation == ShiftLeft);
        break;
    case CaretRight:
    case ShiftRight:
        moveCaret(state, state.caret + 1, operation == ShiftRight);
        break;
    case Home:
    case ShiftHome:
        moveCaret(state, 0, operation == ShiftHome);
        break;
    case End:
    case ShiftEnd:
        moveCaret(state, length, operation == ShiftEnd);
        break;
    case PlaceCaret:
        moveCaret(state, input.next() % (length + 1), false);
        break;
    case Select:
        moveCaret(state, input.next() % (length + 1), false);
        moveCaret(state, input.next() % (length + 1), true);
        break;
    case SelectAll:
        moveCaret(state, 0, false);
        moveCaret(state, length, true);
        break;
    }
}

// A paste ends where deleting the selection and typing the characters one by one end, beeps
// included; it only shows that as one change and takes its runs of digits at once. Checked where
// typing one by one costs little.
void checkPasteAsTyping(const AmountEditState &before, const QString &pasted, const AmountKeystrokes &keystrokes,
                        const RegionalSettings &settings)
{
    if ((before.text.size() + pasted.size()) * pasted.size() > 100000)
        return;
    AmountKeystrokes typed(before, settings);
    if (before.hasSelection())
        typed.backspace();
    for (QChar c : pasted)
        typed.typeCharacter(c);
    FUZZ_CHECK(typed.state() == keystrokes.state() && typed.beeps() == keystrokes.beeps(), before.text + u'|' + pasted);
}

// Deleting a selection ends where Backspace pressed from the selection's end ends, once for every
// selected character but the separators and the "E"; it only takes the plain ones at once.
void checkDeletionAsPresses(const AmountEditState &before, const AmountKeystrokes &keystrokes,
                            const RegionalSettings &settings)
{
    const int start = before.selectionStart();
    const int end = before.selectionEnd();
    if (start == end || (start == 0 && end == before.text.size()) || before.text.size() * (end - start) > 100000)
        return;
    AmountKeystrokes pressed(AmountEditState{before.text, end, end}, settings);
    for (QChar c : QStringView(before.text).mid(start, end - start)) {
        if (c != settings.decimalSeparator && c != settings.thousandSeparator && c != u'E')
            pressed.backspace();
    }
    FUZZ_CHECK(pressed.state() == keystrokes.state(), before.text);
}

void applyEditOperation(int operation, ByteReader &input, AmountKeystrokes &keystrokes, QString &clipboard,
                        const RegionalSettings &settings)
{
    const AmountEditState before = keystrokes.state();
    switch (operation) {
    case Type: {
        const QChar c = character(input.next(), settings);
        keystrokes.typeCharacter(c);
        // A refused character beeps and changes nothing, caret included.
        if (!isAccepted(c, settings))
            FUZZ_CHECK(keystrokes.state() == before && keystrokes.changes().isEmpty(), before.text);
        break;
    }
    case TypeSeveral:
        for (QChar c : characters(input, settings, 1 + input.next() % MaxPasteLength))
            keystrokes.typeCharacter(c);
        break;
    case Backspace:
        keystrokes.backspace();
        checkDeletionAsPresses(before, keystrokes, settings);
        break;
    case Delete:
        keystrokes.deleteForward();
        checkDeletionAsPresses(before, keystrokes, settings);
        break;
    case Paste: {
        const QString pasted = characters(input, settings, input.next() % (MaxPasteLength + 1));
        keystrokes.paste(pasted);
        checkPasteAsTyping(before, pasted, keystrokes, settings);
        break;
    }
    case Cut:
        clipboard = keystrokes.cut();
        checkDeletionAsPresses(before, keystrokes, settings);
        break;
    case Copy:
        clipboard = keystrokes.copy();
        break;
    case PasteClipboard:
        keystrokes.paste(clipboard);
        checkPasteAsTyping(before, clipboard, keystrokes, settings);
        break;
    }
}

bool isCaretOperation(int operation)
{
    return operation >= CaretLeft && operation <= SelectAll;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ByteReader input(data, size);
    const RegionalSettings settings =
        input.next() % 2 == 0 ? RegionalSettings::hungarian() : RegionalSettings::english();
    AmountEditState state{QStringLiteral("0"), 1, 0};
    QString clipboard;
    for (int i = 0; i < MaxOperations && !input.atEnd(); ++i) {
        const int operation = input.next() % OperationCount;
        if (isCaretOperation(operation)) {
            applyCaretOperation(operation, input, state);
            continue;
        }
        AmountKeystrokes keystrokes(state, settings);
        applyEditOperation(operation, input, keystrokes, clipboard, settings);
        checkState(keystrokes, settings);
        state = keystrokes.state();
    }
    return 0;
}
