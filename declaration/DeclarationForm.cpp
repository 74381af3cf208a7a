#include "DeclarationForm.h"
#include "AccessibleNames.h"
#include "CheckDigitHint.h"
#include "ErrorBox.h"
#include "Fonts.h"
#include "StaticCaptions.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TNumEdit.h"
#include "TStringGrid.h"

#include <QSignalBlocker>
#include <algorithm>
#include <array>

namespace {

QFont groupBoxFont()
{
    return Fonts::byPixelHeight(QStringLiteral("Arial"), 13, Fonts::Bold);
}

TGroupBox *groupBox(QWidget *parent, const BoxSpec &layout)
{
    auto *box = new TGroupBox(layout.caption, parent);
    box->setObjectName(QStringLiteral("GroupBox%1").arg(layout.number));
    box->setFont(groupBoxFont());
    box->setGeometry(layout.geometry);
    return box;
}

template <typename Field> Field *place(Field *field, int index)
{
    const FieldSpec &layout = FieldCatalogue::fields()[index];
    field->setObjectName(layout.name);
    field->setGeometry(layout.geometry);
    // Set on the field itself: a group box's caption font would otherwise reach its amounts.
    field->setFont(Fonts::byPixelHeight(layout.font.family, layout.font.pixelHeight));
    field->setAccessibleName(AccessibleNames::ofField(index));
    return field;
}

} // namespace

DeclarationForm::DeclarationForm(QWidget *panel2, QWidget *panel3, QWidget *panel4, QObject *parent)
    : QObject(parent), m_widgets(FieldCatalogue::fields().size(), nullptr), m_incomePanels{panel3, panel4}
{
    buildSectionOne(panel2);
    chainTabOrder();
}

void DeclarationForm::buildGroupsAbove(const QWidget *client, int bottom)
{
    for (int g = 1; g <= FieldCatalogue::GroupCount; ++g) {
        const QPoint boxTop = FieldCatalogue::incomeGroups()[g - 1].geometry.topLeft();
        if (!isBuilt(g) && panelOf(g)->mapTo(client, boxTop).y() < bottom)
            buildIncomeGroup(g);
    }
}

void DeclarationForm::complete()
{
    for (int g = 1; g <= FieldCatalogue::GroupCount; ++g) {
        if (!isBuilt(g))
            buildIncomeGroup(g);
    }
}

bool DeclarationForm::isComplete() const
{
    for (int g = 1; g <= FieldCatalogue::GroupCount; ++g) {
        if (!isBuilt(g))
            return false;
    }
    return true;
}

bool DeclarationForm::isBuilt(int group) const
{
    return m_widgets[FieldCatalogue::amountIndex(group, 1)] != nullptr;
}

QWidget *DeclarationForm::panelOf(int group) const
{
    return m_incomePanels[FieldCatalogue::incomeGroups()[group - 1].section - 2];
}

void DeclarationForm::buildSectionOne(QWidget *panel)
{
    auto *captions = new StaticCaptions(panel);
    const auto &fields = FieldCatalogue::fields();
    for (int i = 0; i < int(fields.size()); ++i) {
        const FieldSpec &layout = fields[i];
        if (layout.section != 1)
            continue;
        for (const LabelSpec &label : layout.labels)
            captions->add(label);
        switch (layout.kind) {
        case FieldKind::Text:
            m_widgets[i] = place(new TEdit(panel), i);
            break;
        case FieldKind::Amount:
            m_widgets[i] = place(new TNumEdit(panel), i);
            break;
        case FieldKind::Table:
            m_grid = place(new TStringGrid(groupBox(panel, FieldCatalogue::tableBox())), i);
            m_widgets[i] = m_grid;
            break;
        }
    }
    attachCheckDigitHints(m_widgets);
}

void DeclarationForm::buildIncomeGroup(int group)
{
    using Handler = void (DeclarationForm::*)();
    static constexpr std::array<Handler, FieldCatalogue::GroupCount> handlers = {
        &DeclarationForm::PBNumEdit2Change,  &DeclarationForm::PBNumEdit11Change, &DeclarationForm::PBNumEdit20Change,
        &DeclarationForm::PBNumEdit29Change, &DeclarationForm::PBNumEdit38Change, &DeclarationForm::PBNumEdit47Change,
        &DeclarationForm::PBNumEdit56Change, &DeclarationForm::PBNumEdit65Change, &DeclarationForm::PBNumEdit74Change,
        &DeclarationForm::PBNumEdit83Change, &DeclarationForm::PBNumEdit92Change};

    const BoxSpec &layout = FieldCatalogue::incomeGroups()[group - 1];
    QWidget *panel = panelOf(group);
    TGroupBox *box = groupBox(panel, layout);
    auto *captions = new StaticCaptions(box);
    if (layout.subCaption)
        captions->add(*layout.subCaption);
    for (int p = 1; p <= FieldCatalogue::GroupPositions; ++p) {
        const int index = FieldCatalogue::amountIndex(group, p);
        for (const LabelSpec &label : FieldCatalogue::fields()[index].labels)
            captions->add(label);
        auto *edit = place(new TNumEdit(box), index);
        if (layout.subCaption)
            edit->setAccessibleDescription(layout.subCaption->text);
        if (p == FieldCatalogue::TotalPosition)
            edit->setEnabled(false);
        else
            connect(edit, &TNumEdit::OnChange, this, handlers[group - 1]);
        m_widgets[index] = edit;
    }
    // A box added to a window already on screen is shown by hand, as every late child is.
    if (panel->isVisible())
        box->show();
    if (isComplete())
        chainTabOrder();
}

void DeclarationForm::chainTabOrder()
{
    std::vector<QWidget *> order;
    const auto &fields = FieldCatalogue::fields();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].tabOrder >= 0 && m_widgets[i])
            order.push_back(m_widgets[i]);
    }
    std::sort(order.begin(), order.end(), [&](QWidget *a, QWidget *b) {
        const auto indexOf = [&](QWidget *w) {
            return std::find(m_widgets.begin(), m_widgets.end(), w) - m_widgets.begin();
        };
        return fields[indexOf(a)].tabOrder < fields[indexOf(b)].tabOrder;
    });
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void DeclarationForm::groupChanged(int group)
{
    guarded([this, group] { recomputeGroupTotal(group); });
}

void DeclarationForm::PBNumEdit2Change()
{
    groupChanged(1);
}

void DeclarationForm::PBNumEdit11Change()
{
    groupChanged(2);
}

void DeclarationForm::PBNumEdit20Change()
{
    groupChanged(3);
}

void DeclarationForm::PBNumEdit29Change()
{
    groupChanged(4);
}

void DeclarationForm::PBNumEdit38Change()
{
    groupChanged(5);
}

void DeclarationForm::PBNumEdit47Change()
{
    groupChanged(6);
}

void DeclarationForm::PBNumEdit56Change()
{
    groupChanged(7);
}

void DeclarationForm::PBNumEdit65Change()
{
    groupChanged(8);
}

void DeclarationForm::PBNumEdit74Change()
{
    groupChanged(9);
}

void DeclarationForm::PBNumEdit83Change()
{
    groupChanged(10);
}

void DeclarationForm::PBNumEdit92Change()
{
    groupChanged(11);
}

QWidget *DeclarationForm::widget(int index)
{
    if (!m_widgets[index])
        complete();
    return m_widgets[index];
}

TEdit *DeclarationForm::edit(int index)
{
    return qobject_cast<TEdit *>(widget(index));
}

TNumEdit *DeclarationForm::numEdit(int index)
{
    return qobject_cast<TNumEdit *>(widget(index));
}

QString DeclarationForm::text(int index) const
{
    const QWidget *field = m_widgets[index];
    if (!field)
        return startingText(index); // its group is not built yet
    if (const auto *e = qobject_cast<const TEdit *>(field))
        return e->text();
    if (const auto *n = qobject_cast<const TNumEdit *>(field))
        return n->Text();
    return {};
}

void DeclarationForm::storeText(int index, const QString &text)
{
    if (TEdit *e = edit(index)) {
        e->setText(text);
    } else if (TNumEdit *amount = numEdit(index)) {
        const QSignalBlocker quiet(inputGroup(index) != 0 ? amount : nullptr);
        amount->setText(text);
    }
}

QString DeclarationForm::cell(int column, int row) const
{
    return m_grid->cell(column, row);
}

void DeclarationForm::setCell(int column, int row, const QString &text)
{
    m_grid->setCell(column, row, text);
}
