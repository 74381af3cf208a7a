#include "DeclarationForm.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "TEdit.h"
#include "TNumEdit.h"
#include "TStringGrid.h"

#include <QSignalBlocker>

DeclarationForm::DeclarationForm(QWidget *panel2, QWidget *panel3, QWidget *panel4, QObject *parent)
    : QObject(parent),
      m_fields(panel2, panel3, panel4, [this](TNumEdit &input, int group) { connectInput(input, group); })
{
}

void DeclarationForm::connectInput(TNumEdit &input, int group)
{
    using Handler = void (DeclarationForm::*)();
    static constexpr std::array<Handler, FieldCatalogue::GroupCount> handlers = {
        &DeclarationForm::PBNumEdit2Change,  &DeclarationForm::PBNumEdit11Change, &DeclarationForm::PBNumEdit20Change,
        &DeclarationForm::PBNumEdit29Change, &DeclarationForm::PBNumEdit38Change, &DeclarationForm::PBNumEdit47Change,
        &DeclarationForm::PBNumEdit56Change, &DeclarationForm::PBNumEdit65Change, &DeclarationForm::PBNumEdit74Change,
        &DeclarationForm::PBNumEdit83Change, &DeclarationForm::PBNumEdit92Change};
    connect(&input, &TNumEdit::OnChange, this, handlers[group - 1]);
}

void DeclarationForm::groupChanged(int group)
{
    guarded([this, group] { recomputeGroupTotal(group); });
}

TNumEdit *DeclarationForm::numEdit(int index)
{
    return qobject_cast<TNumEdit *>(widget(index));
}

QString DeclarationForm::text(int index) const
{
    // Text and amount fields are both line edits; the table is none and has no text.
    const auto *edit = qobject_cast<const QLineEdit *>(m_fields.field(index));
    return edit ? edit->text() : QString();
}

void DeclarationForm::storeText(int index, const QString &text)
{
    if (auto *e = qobject_cast<TEdit *>(widget(index))) {
        e->setText(text);
    } else if (TNumEdit *amount = numEdit(index)) {
        const QSignalBlocker quiet(inputGroup(index) != 0 ? amount : nullptr);
        amount->setText(text);
    }
}

QString DeclarationForm::cell(int column, int row) const
{
    return grid()->cell(column, row);
}

void DeclarationForm::setCell(int column, int row, const QString &text)
{
    grid()->setCell(column, row, text);
}
