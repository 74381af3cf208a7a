#pragma once
#include "DeclarationData.h"
#include "FieldCatalogue.h"

#include <QObject>
#include <QString>
#include <array>
#include <vector>

class QWidget;
class TEdit;
class TNumEdit;
class TStringGrid;

// Every field of the declaration, built from the catalogue into the three section panels of
// the main window, with its captions, group boxes and labels: the declaration's data held in
// the window's widgets. Fields are addressed by their catalogue index (component order).
//
// Section I is built at once, each income group's box when it is first needed: the window builds
// those it is about to show and the rest right after its first frame, so that start-up pays only
// for what that frame shows. Asking for the widget of a field whose group is not built yet builds
// every group first; until then its text reads as it starts (startingText), which is what the
// built field would show.
class DeclarationForm : public QObject, public DeclarationData
{
    Q_OBJECT
public:
    DeclarationForm(QWidget *panel2, QWidget *panel3, QWidget *panel4, QObject *parent = nullptr);

    // Builds the groups not yet built whose boxes begin above `bottom` in the coordinates of
    // `client`, an ancestor of the section panels.
    void buildGroupsAbove(const QWidget *client, int bottom);
    // Builds every group not yet built; then the tab order runs through all the fields.
    void complete();
    bool isComplete() const;
    bool isBuilt(int group) const;

    QWidget *widget(int index);
    TEdit *edit(int index);
    TNumEdit *numEdit(int index);
    TStringGrid *grid() const { return m_grid; }

    QString text(int index) const override;
    QString cell(int column, int row) const override;
    void setCell(int column, int row, const QString &text) override;

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

protected:
    // A group input's text is written with its OnChange quiet: the write's caller runs the
    // group's recomputation itself, so that its error reaches that caller instead of the error box.
    void storeText(int index, const QString &text) override;

private:
    // The handlers' body: a recomputation whose error goes to the error box.
    void groupChanged(int group);

    void buildSectionOne(QWidget *panel);
    QWidget *panelOf(int group) const;
    void buildIncomeGroup(int group);
    // Chains the fields built so far in their tab order.
    void chainTabOrder();

    std::vector<QWidget *> m_widgets; // component order; none yet for a group not built
    TStringGrid *m_grid = nullptr;
    std::array<QWidget *, 2> m_incomePanels; // sections II and III, which hold the groups
};
