#include "FormFields.h"
#include "AccessibleNames.h"
#include "CheckDigitHint.h"
#include "FieldCatalogue.h"
#include "Fonts.h"
#include "StaticCaptions.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TNumEdit.h"
#include "TStringGrid.h"

#include <algorithm>

namespace {

TGroupBox *groupBox(QWidget *parent, const BoxSpec &layout)
{
    auto *box = new TGroupBox(layout.caption, parent);
    box->setObjectName(QStringLiteral("GroupBox%1").arg(layout.number));
    box->setFont(Fonts::byPixelHeight(QStringLiteral("Arial"), 13, Fonts::Bold));
    box->setGeometry(layout.geometry);
    return box;
}

void place(QWidget *field, int index)
{
    const FieldSpec &layout = FieldCatalogue::fields()[index];
    field->setObjectName(layout.name);
    field->setGeometry(layout.geometry);
    // Set on the field itself: a group box's caption font would otherwise reach its amounts.
    field->setFont(Fonts::byPixelHeight(layout.font.family, layout.font.pixelHeight));
    field->setAccessibleName(AccessibleNames::ofField(index));
}

} // namespace

FormFields::FormFields(QWidget *panel2, QWidget *panel3, QWidget *panel4, InputBuilt inputBuilt)
    : m_fields(FieldCatalogue::fields().size(), nullptr), m_incomePanels{panel3, panel4},
      m_inputBuilt(std::move(inputBuilt))
{
    buildSectionOne(panel2);
    chainTabOrder();
}

QWidget *FormFields::field(int index)
{
    if (!m_fields[index])
        buildGroup(FieldCatalogue::fields()[index].group);
    return m_fields[index];
}

void FormFields::buildGroupsAbove(const QWidget *client, int bottom)
{
    for (int g = 1; g <= FieldCatalogue::GroupCount; ++g) {
        const QPoint boxTop = FieldCatalogue::incomeGroups()[g - 1].geometry.topLeft();
        if (!isBuilt(g) && panelOf(g)->mapTo(client, boxTop).y() < bottom)
            buildGroup(g);
    }
}

void FormFields::complete()
{
    for (int g = 1; g <= FieldCatalogue::GroupCount; ++g) {
        if (!isBuilt(g))
            buildGroup(g);
    }
}

bool FormFields::isComplete() const
{
    // Section I is built at once and every group whole: all is built when no field is missing.
    return std::ranges::all_of(m_fields, [](const QWidget *field) { return field != nullptr; });
}

bool FormFields::isBuilt(int group) const
{
    return m_fields[FieldCatalogue::amountIndex(group, 1)] != nullptr;
}

QWidget *FormFields::panelOf(int group) const
{
    return m_incomePanels[FieldCatalogue::incomeGroups()[group - 1].section - 2];
}

void FormFields::buildSectionOne(QWidget *panel)
{
    auto *captions = new StaticCaptions(panel);
    const auto &fields = FieldCatalogue::fields();
    for (int i = 0; i < int(fields.size()); ++i) {
        const FieldSpec &layout = fields[i];
        if (layout.section != 1)
            continue;
        for (const LabelSpec &label : layout.labels)
            captions->add(label);
        if (layout.kind == FieldKind::Table)
            m_fields[i] = m_grid = new TStringGrid(groupBox(panel, FieldCatalogue::tableBox()));
        else if (layout.kind == FieldKind::Text)
            m_fields[i] = new TEdit(panel);
        else
            m_fields[i] = new TNumEdit(panel);
        place(m_fields[i], i);
    }
    attachCheckDigitHints(m_fields);
}

void FormFields::buildGroup(int group)
{
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
        auto *edit = new TNumEdit(box);
        place(edit, index);
        if (layout.subCaption)
            edit->setAccessibleDescription(layout.subCaption->text);
        if (p == FieldCatalogue::TotalPosition)
            edit->setEnabled(false);
        else
            m_inputBuilt(*edit, group);
        m_fields[index] = edit;
    }
    // A box added to a window already on screen is shown by hand, as every late child is.
    if (panel->isVisible())
        box->show();
    chainTabOrder();
}

void FormFields::chainTabOrder()
{
    const auto &fields = FieldCatalogue::fields();
    std::vector<int> order;
    for (int i = 0; i < int(fields.size()); ++i) {
        if (fields[i].tabOrder >= 0 && m_fields[i])
            order.push_back(i);
    }
    std::ranges::sort(order, {}, [&](int i) { return fields[i].tabOrder; });
    for (size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(m_fields[order[k - 1]], m_fields[order[k]]);
}
