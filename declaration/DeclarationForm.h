#pragma once
#include "FieldCatalogue.h"

#include <QObject>
#include <QString>
#include <vector>

class QWidget;
class TEdit;
class TNumEdit;
class TStringGrid;

// Every field of the declaration, built from the catalogue into the three section panels of
// the main window, with its captions, group boxes and labels. Fields are addressed by their
// catalogue index (component order).
class DeclarationForm : public QObject
{
    Q_OBJECT
public:
    DeclarationForm(QWidget *panel2, QWidget *panel3, QWidget *panel4, QObject *parent = nullptr);

    QWidget *widget(int index) const { return m_widgets[index]; }
    TEdit *edit(int index) const;
    TNumEdit *numEdit(int index) const;
    TStringGrid *grid() const { return m_grid; }

    // Text of a text or amount field. Writing a group input's text that differs runs its group's
    // change handler; a conversion error there is thrown to the caller, the new text staying.
    QString text(int index) const;
    void setText(int index, const QString &text);

    // Household table cell, column first, headers at 0.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);

public slots:
    // The change handlers of the eleven income groups, each attached to the OnChange of its
    // group's eight inputs: the group total follows every change of an input's text.
    void PBNumEdit2Change();
    void PBNumEdit11Change();
    void PBNumEdit20Change();
    void PBNumEdit29Change();
    void PBNumEdit38Change();
    void PBNumEdit47Change();
    void PBNumEdit56Change();
    void PBNumEdit65Change();
    void PBNumEdit74Change();
    void PBNumEdit83Change();
    void PBNumEdit92Change();

private:
    void connectGroupHandlers();
    // Writes the sum of the group's inputs into its total. The first input that does not parse
    // stops it with its conversion error, leaving the total as it was.
    void recomputeGroupTotal(int group);
    // The handlers' body: a recomputation whose error goes to the error box.
    void groupChanged(int group);

    void buildSectionOne(QWidget *panel);
    void buildIncomeGroup(int group, QWidget *panel);
    void chainTabOrder();

    std::vector<QWidget *> m_widgets; // component order
    TStringGrid *m_grid = nullptr;
};
