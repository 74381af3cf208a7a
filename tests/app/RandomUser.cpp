#include "RandomUser.h"
#include "DeclarationPrinter.h"
#include "DialogScript.h"
#include "Error.h"
#include "FormScrollArea.h"
#include "MsgDlg.h"
#include "PreviewDialog.h"
#include "StaticCaptions.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryFile>
#include <vector>

using namespace WindowTesting;

namespace {

// Digits most often, then everything else a person may type into any field: separators of
// both settings, signs, the exponent letter, blanks (the non-breaking one is the Hungarian
// thousand separator), accented letters, letters an amount refuses, characters Windows-1250
// lacks.
const QString Characters =
    QString::fromUtf8("0123456789012345678901234567890123456789,,..--Ee  \u00A0áéőűŐxQ_$€漢\u0416");

const QStringList Passwords = {QStringLiteral("titok"), QString::fromUtf8("jelszó"),
                               QString::fromUtf8("Árvíztűrő tükörfúrógép"), QString()};

const QString WrongPassword = QString::fromUtf8("Hibás jelszó!") + QString(11, QLatin1Char(' ')) + QLatin1Char('.');
const QString NoSavedForm = QString::fromUtf8("Nincs mentés!") + QString(11, QLatin1Char(' ')) + QLatin1Char('.');

Qt::Key keyOf(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return Qt::Key(Qt::Key_0 + (c.unicode() - '0'));
    if (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('Z'))
        return Qt::Key(Qt::Key_A + (c.toUpper().unicode() - 'A'));
    switch (c.unicode()) {
    case ',':
        return Qt::Key_Comma;
    case '.':
        return Qt::Key_Period;
    case '-':
        return Qt::Key_Minus;
    case ' ':
        return Qt::Key_Space;
    default:
        return Qt::Key_unknown;
    }
}

struct KeyPress
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *name;
};

const KeyPress Keys[] = {
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Up, Qt::NoModifier, "Up"},
    {Qt::Key_Down, Qt::NoModifier, "Down"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_End, Qt::NoModifier, "End"},
    {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
    {Qt::Key_Home, Qt::ShiftModifier, "Shift+Home"},
    {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
    {Qt::Key_Down, Qt::ShiftModifier, "Shift+Down"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_F2, Qt::NoModifier, "F2"},
    {Qt::Key_Return, Qt::NoModifier, "Return"},
    {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
    {Qt::Key_Escape, Qt::NoModifier, "Escape"},
    {Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
    {Qt::Key_PageUp, Qt::NoModifier, "PageUp"},
    {Qt::Key_Comma, Qt::KeypadModifier, "keypad decimal"},
};

const KeyPress ClipboardKeys[] = {
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},          {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},          {Qt::Key_Insert, Qt::ShiftModifier, "Shift+Insert"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},          {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},          {Qt::Key_Insert, Qt::ControlModifier, "Ctrl+Insert"},
    {Qt::Key_Delete, Qt::ShiftModifier, "Shift+Delete"},
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Why the deciphered plaintext of a save does not hold the window's fields, or nothing when it
// does. Its lines are written here from the field names, not by the program's record format:
// the marker line first, then in any order one "name_text" line for every filled text field
// and every amount field and one "AdvStringGrid1_[c,r]text" line for every cell, each ending in
// CR LF and nothing else.
std::optional<QString> plaintextFault(const QByteArray &plaintext, const RunningProgram &program)
{
    QList<QByteArray> lines = plaintext.split('\n');
    if (lines.takeLast() != QByteArray())
        return QStringLiteral("the saved plaintext does not end with a line break");
    for (QByteArray &line : lines) {
        if (!line.endsWith('\r'))
            return QStringLiteral("a line of the saved plaintext does not end in CR LF");
        line.chop(1);
    }
    if (lines.value(0) != QByteArray("haj\xf3sk\xf6t\xf5"))
        return QStringLiteral("the saved plaintext does not begin with the marker line");
    const auto textOf = [&](const QString &name) { return program.form().text(*FieldCatalogue::find(name)); };
    QStringList expected;
    for (int n = 1; n <= 8; ++n) {
        if (const QString text = textOf(QStringLiteral("Edit%1").arg(n)); !text.isEmpty())
            expected << QStringLiteral("Edit%1_%2").arg(n).arg(text);
    }
    for (int n = 1; n <= 100; ++n)
        expected << QStringLiteral("PBNumEdit%1_%2").arg(n).arg(textOf(QStringLiteral("PBNumEdit%1").arg(n)));
    for (int c = 1; c <= 4; ++c) {
        for (int r = 1; r <= 10; ++r)
            expected << QStringLiteral("AdvStringGrid1_[%1,%2]%3").arg(c).arg(r).arg(program.grid()->cell(c, r));
    }
    if (lines.size() != expected.size() + 1)
        return QStringLiteral("the saved plaintext has %1 lines for %2 fields").arg(lines.size()).arg(expected.size());
    for (const QString &line : expected) {
        if (!lines.contains(Windows1250::encode(line)))
            return QStringLiteral("the saved plaintext lacks the line \"%1\"").arg(line);
    }
    return std::nullopt;
}

} // namespace

RandomUser::RandomUser(RunningProgram &program, quint64 seed)
    : m_program(program), m_random(seed),
      m_errorBoxes([this](const QString &message) { errorBoxShown(message); }, ErrorSinkForTesting::AnsweringTheBox)
{
}

void RandomUser::errorBoxShown(const QString &message)
{
    m_errors << message;
    m_log << QStringLiteral("error box: %1").arg(message);
}

int RandomUser::pick(int count)
{
    return int(m_random() % quint64(count));
}

QString RandomUser::randomText()
{
    QString text;
    for (int n = 1 + pick(6); n > 0; --n)
        text += Characters[pick(int(Characters.size()))];
    return text;
}

QWidget *RandomUser::focusOrWindow() const
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus : &m_program.window();
}

QString RandomUser::focusName() const
{
    QWidget *focus = QApplication::focusWidget();
    TStringGrid *grid = m_program.grid();
    if (focus && grid->isAncestorOf(focus))
        return QStringLiteral("the editor of cell %1,%2").arg(grid->currentCellColumn()).arg(grid->currentCellRow());
    if (focus == grid)
        return QStringLiteral("cell %1,%2").arg(grid->currentCellColumn()).arg(grid->currentCellRow());
    return focus ? focus->objectName() : QStringLiteral("nothing");
}

void RandomUser::settle() const
{
    // Editors closed by the step are deleted now, as the event loop would before the next key.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

std::optional<QString> RandomUser::act()
{
    std::optional<QString> failure;
    const int kind = pick(100);
    if (kind < 38)
        typeCharacters();
    else if (kind < 60)
        pressKey();
    else if (kind < 68)
        clipboardKey();
    else if (kind < 86)
        click();
    else if (kind < 94)
        wheel();
    else if (kind < 96)
        failure = print();
    else if (kind < 98)
        failure = save();
    else
        failure = load();
    settle();
    return failure;
}

void RandomUser::typeCharacters()
{
    const QString text = randomText();
    m_log << QStringLiteral("type \"%1\" into %2").arg(text, focusName());
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, focusOrWindow(), keyOf(c), QString(c), Qt::NoModifier);
}

void RandomUser::pressKey()
{
    const KeyPress &press = Keys[pick(int(std::size(Keys)))];
    m_log << QStringLiteral("%1 in %2").arg(QLatin1String(press.name), focusName());
    QTest::keyClick(focusOrWindow(), press.key, press.modifiers);
}

void RandomUser::clipboardKey()
{
    if (chance(30)) {
        const QString text = randomText();
        QApplication::clipboard()->setText(text);
        m_log << QStringLiteral("clipboard holds \"%1\"").arg(text);
    }
    const KeyPress &press = ClipboardKeys[pick(int(std::size(ClipboardKeys)))];
    m_log << QStringLiteral("%1 in %2").arg(QLatin1String(press.name), focusName());
    QTest::keyClick(focusOrWindow(), press.key, press.modifiers);
}

void RandomUser::click()
{
    FormScrollArea *scroll = scrollAreaOf(m_program.window());
    QWidget *content = scroll->widget();
    QWidget *target = nullptr;
    QPoint at;
    const int kind = pick(100);
    if (kind < 50) {
        const int index = pick(int(FieldCatalogue::fields().size()));
        target = m_program.form().widget(index);
        if (target == m_program.grid()) {
            TStringGrid *grid = m_program.grid();
            target = grid->viewport();
            at = grid->visualRect(grid->model()->index(pick(10), pick(4))).center();
        } else {
            at = QPoint(pick(target->width()), pick(target->height()));
        }
    } else if (kind < 70) {
        // A title label or a painted caption; a caption's layer lets the click through to its
        // container, as a person's click on the text would go.
        std::vector<std::pair<QWidget *, QRect>> texts;
        for (QLabel *label : content->findChildren<QLabel *>())
            texts.emplace_back(label, label->rect());
        for (StaticCaptions *captions : content->findChildren<StaticCaptions *>()) {
            for (int i = 0; i < captions->count(); ++i)
                texts.emplace_back(captions->parentWidget(), captions->rect(i));
        }
        const auto &[container, text] = texts[pick(int(texts.size()))];
        target = container;
        at = text.topLeft() + QPoint(pick(std::max(1, text.width())), pick(std::max(1, text.height())));
    } else {
        target = content;
        at = QPoint(pick(content->width()), pick(content->height()));
    }
    // What lies out of view is scrolled to first, as a person drags the scroll bar.
    const int top = target->mapTo(content, at).y();
    if (top < scroll->position() || top >= scroll->position() + scroll->viewport()->height())
        scroll->setPosition(top - pick(scroll->viewport()->height()));
    const bool twice = target == m_program.grid()->viewport() && chance(30);
    m_log << QStringLiteral("%1 %2 at %3,%4")
                 .arg(twice ? QStringLiteral("double-click") : QStringLiteral("click"), target->objectName())
                 .arg(at.x())
                 .arg(at.y());
    if (twice)
        QTest::mouseDClick(target, Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
}

void RandomUser::wheel()
{
    static const int deltas[] = {120, -120, 120, -120, 60, -60, 240, -360};
    const int delta = deltas[pick(int(std::size(deltas)))];
    QWidget *target =
        chance(60) ? focusOrWindow() : m_program.form().widget(pick(int(FieldCatalogue::fields().size())));
    m_log << QStringLiteral("wheel %1 over %2").arg(delta).arg(target->objectName());
    WindowTesting::wheel(target, delta);
}

std::optional<QString> RandomUser::command(int item, const std::function<std::optional<QString>()> &check)
{
    ++m_commands;
    const QPointer<QWidget> focus = QApplication::focusWidget();
    const qsizetype errorsBefore = m_errors.size();
    m_program.choose(item);
    settle();
    if (!QTest::qWaitForWindowActive(&m_program.window()))
        return QStringLiteral("the window did not become active again");
    std::optional<QString> failure = check();
    if (failure)
        return failure;
    if (focus && QApplication::focusWidget() != focus)
        return QStringLiteral("the focus was in %1 and came back to %2").arg(focus->objectName(), focusName());
    for (qsizetype i = errorsBefore; i < m_errors.size(); ++i) {
        if (!m_errors[i].endsWith(QLatin1String("is not a valid floating point value")))
            return QStringLiteral("unexpected error: %1").arg(m_errors[i]);
    }
    return std::nullopt;
}

std::optional<QString> RandomUser::print()
{
    const int way = pick(100);
    const QString pdf = m_pdfFolder.filePath(QStringLiteral("print.pdf"));
    QFile::remove(pdf);
    m_log << QStringLiteral("print, %1")
                 .arg(way < 50   ? QStringLiteral("preview closed")
                      : way < 70 ? QStringLiteral("zoomed, closed")
                      : way < 85 ? QStringLiteral("print dialog cancelled")
                                 : QStringLiteral("printed to PDF"));
    bool previewShown = false;
    const PreviewDialog::ModalHookForTesting previewHook([&](PreviewDialog &preview) {
        previewShown = preview.isVisible();
        if (way >= 50 && way < 70) {
            preview.action(PreviewDialog::ZoomIn)->trigger();
            preview.action(PreviewDialog::WholePage)->trigger();
        } else if (way >= 70) {
            preview.action(PreviewDialog::Print)->trigger();
        }
        QTest::keyClick(&preview, Qt::Key_Escape);
    });
    const PreviewDialog::PrintDialogHookForTesting printDialogHook([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return way >= 85;
    });
    const qsizetype errorsBefore = m_errors.size();
    return command(0, [&]() -> std::optional<QString> {
        const qsizetype errors = m_errors.size() - errorsBefore;
        if (previewShown == (errors != 0))
            return QStringLiteral("print showed the preview %1 and %2 errors").arg(previewShown).arg(errors);
        if (previewShown && way >= 85 && QFileInfo(pdf).size() == 0)
            return QStringLiteral("printing to PDF wrote nothing");
        return std::nullopt;
    });
}

std::optional<QString> RandomUser::save()
{
    const bool ok = chance(75);
    const QString password = Passwords[pick(int(Passwords.size()))];
    m_log << (ok ? QStringLiteral("save with password \"%1\"").arg(password) : QStringLiteral("save, cancelled"));
    DialogScript script;
    if (ok)
        script.answerNext(mrOk, password);
    else
        script.answerNext(mrCancel);
    const QStringList fields = snapshot(m_program.form());
    const QByteArray before = fileBytes(m_program.savedFile());
    return command(1, [&]() -> std::optional<QString> {
        const QByteArray after = fileBytes(m_program.savedFile());
        if (!ok || password.isEmpty())
            return after == before ? std::nullopt : std::optional(QStringLiteral("a cancelled save wrote the file"));
        TRijndael cipher;
        cipher.SetKeyFromPassword(Windows1250::encode(password));
        if (const std::optional<QString> fault = plaintextFault(cipher.DecryptText(after), m_program))
            return fault;
        m_savedPassword = password;
        m_savedFields = fields;
        try {
            const std::optional<QStringList> restored = m_program.savedFields(password);
            if (!restored)
                return QStringLiteral("the saved file does not open with its password");
            for (qsizetype i = 0; i < fields.size(); ++i) {
                if ((*restored)[i] != fields[i])
                    return QStringLiteral("field %1 was saved as \"%2\" and restores as \"%3\"")
                        .arg(i)
                        .arg(fields[i], (*restored)[i]);
            }
        } catch (const Error &error) {
            // A saved amount that does not parse stops every restore, the window's too.
            if (!error.message().endsWith(QLatin1String("is not a valid floating point value")))
                return QStringLiteral("restoring the saved file: %1").arg(error.message());
        }
        return std::nullopt;
    });
}

std::optional<QString> RandomUser::load()
{
    const int way = pick(100);
    const bool right = way < 50 && m_savedPassword;
    const QString password = right ? *m_savedPassword : way < 80 ? QStringLiteral("rossz") : QString();
    m_log << (way < 80 ? QStringLiteral("load with password \"%1\"").arg(password) : QStringLiteral("load, cancelled"));
    DialogScript script;
    if (way < 80)
        script.answerNext(mrOk, password);
    else
        script.answerNext(mrCancel);
    script.answerNext(mrOk); // the message, if one follows
    const bool exists = QFile::exists(m_program.savedFile());
    const QStringList before = snapshot(m_program.form());
    const qsizetype errorsBefore = m_errors.size();
    return command(2, [&]() -> std::optional<QString> {
        const QStringList after = snapshot(m_program.form());
        const QString message = script.shown().size() > 1 ? script.shown()[1].text : QString();
        if (!exists || !right) {
            if (message != (exists ? WrongPassword : NoSavedForm))
                return QStringLiteral("a load that could not open the file said \"%1\"").arg(message);
            return after == before ? std::nullopt : std::optional(QStringLiteral("a refused load changed the fields"));
        }
        if (!message.isEmpty())
            return QStringLiteral("a load with the right password said \"%1\"").arg(message);
        if (m_errors.size() > errorsBefore)
            return std::nullopt; // stopped at a saved amount that does not parse
        // A field saved empty has no line and keeps its text; every table cell has a line.
        const qsizetype fieldCount = qsizetype(FieldCatalogue::fields().size());
        for (qsizetype i = 0; i < after.size(); ++i) {
            const QString expected = m_savedFields[i].isEmpty() && i < fieldCount ? before[i] : m_savedFields[i];
            if (after[i] != expected)
                return QStringLiteral("field %1 loaded as \"%2\", saved \"%3\"").arg(i).arg(after[i], expected);
        }
        return std::nullopt;
    });
}
