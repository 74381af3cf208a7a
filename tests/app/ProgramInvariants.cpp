#include "ProgramInvariants.h"
#include "ExactTotals.h"
#include "RegionalSettings.h"
#include "THeaderFill.h"
#include "WindowTesting.h"

#include <QDialog>
#include <QLineEdit>

using namespace WindowTesting;

namespace {

const QColor HighlightStart(0xFB, 0xE6, 0x94);
const QColor PlainFill(0xD2, 0xCF, 0xBE);

std::optional<QString> windowIsUp(const RunningProgram &program)
{
    if (!program.window().isVisible())
        return QStringLiteral("the main window is gone");
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog *>(window) && window->isVisible())
            return QStringLiteral("a dialog stayed open: %1").arg(window->windowTitle());
    }
    return std::nullopt;
}

std::optional<QString> totalsAreSums(const RunningProgram &program)
{
    const RegionalSettings settings = RegionalSettings::current();
    for (int g = 1; g <= FieldCatalogue::GroupCount; ++g) {
        QStringList inputs;
        for (int p = 1; p < FieldCatalogue::TotalPosition; ++p)
            inputs << program.form().text(FieldCatalogue::amountIndex(g, p));
        const QString total = program.form().text(FieldCatalogue::amountIndex(g, FieldCatalogue::TotalPosition));
        if (const std::optional<QString> mismatch =
                totalMismatch(inputs, total, settings.decimalSeparator, settings.thousandSeparator))
            return QStringLiteral("group %1: %2").arg(g).arg(*mismatch);
    }
    return std::nullopt;
}

std::optional<QString> editorShowsItsCell(const RunningProgram &program)
{
    TStringGrid *grid = program.grid();
    const QModelIndex current = grid->currentIndex();
    const auto *editor = qobject_cast<const QLineEdit *>(grid->indexWidget(current));
    if (editor && editor->text() != grid->cell(current.column() + 1, current.row() + 1))
        return QStringLiteral("the cell editor shows \"%1\", its cell holds \"%2\"")
            .arg(editor->text(), grid->cell(current.column() + 1, current.row() + 1));
    return std::nullopt;
}

std::optional<QString> focusAndHighlight(const RunningProgram &program)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != &program.window())
        return std::nullopt;
    int section = 0;
    for (int i = 0; i < int(FieldCatalogue::fields().size()); ++i) {
        QWidget *field = program.form().widget(i);
        if (field == focus || field->isAncestorOf(focus))
            section = FieldCatalogue::fields()[i].section;
    }
    if (section == 0)
        return QStringLiteral("the focus is in %1, which is no field").arg(focus->objectName());
    for (int s = 1; s <= 3; ++s) {
        const QColor expected = s == section ? HighlightStart : PlainFill;
        if (headerFillOf(program.window(), s)->startColor() != expected)
            return QStringLiteral("the focus is in section %1, but bar %2 has the wrong look").arg(section).arg(s);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> brokenInvariant(const RunningProgram &program)
{
    for (const auto check : {windowIsUp, totalsAreSums, editorShowsItsCell, focusAndHighlight}) {
        if (std::optional<QString> broken = check(program))
            return broken;
    }
    return std::nullopt;
}
