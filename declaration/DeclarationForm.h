#pragma once
#include "DeclarationData.h"
#include "FieldCatalogue.h"

#include <QObject>
#include <QString>
#include <vector>

class QWidget;
class TEdit;
class TNumEdit;
class TStringGrid;

// Every field of the declaration, built from the catalogue into the three section panels of
// the main window, with its captions, group boxes and labels: the declaration's data held in
// the window's widgets. Fields are addressed by their catalogue index (component order).
class DeclarationForm : public QObject, public DeclarationData
{
    Q_OBJECT
public:
    DeclarationForm(QWidget *panel2, QWidget *panel3, QWidget *panel4, QObject *parent = nullptr);

    QWidget *widget(int index) const { return m_widgets[index]; }
    TEdit *edit(int index) const;
    TNumEdit *numEdit(int index) const;
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
    void connectGroupHandlers();
    // The handlers' body: a recomputation whose error goes to the error box.
    void groupChanged(int group);

    void buildSectionOne(QWidget *panel);
    void buildIncomeGroup(int group, QWidget *panel);
    void chainTabOrder();

    std::vector<QWidget *> m_widgets; // component order
    TStringGrid *m_grid = nullptr;
};
