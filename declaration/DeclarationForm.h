#pragma once
#include "DeclarationData.h"
#include "FormFields.h"

#include <QObject>

// The declaration's data held in the window's fields, which it builds into the three section
// panels, and the change handlers of the eleven income groups, each attached to the OnChange of
// its group's eight inputs: the group total follows every change of an input's text.
class DeclarationForm : public QObject, public DeclarationData
{
    Q_OBJECT
public:
    DeclarationForm(QWidget *panel2, QWidget *panel3, QWidget *panel4, QObject *parent = nullptr);

    FormFields &fields() { return m_fields; }
    QWidget *widget(int index) { return m_fields.field(index); }
    TNumEdit *numEdit(int index);
    TStringGrid *grid() const { return m_fields.grid(); }

    QString text(int index) const override;
    QString cell(int column, int row) const override;
    void setCell(int column, int row, const QString &text) override;

public slots:
    void PBNumEdit2Change() { groupChanged(1); }
    void PBNumEdit11Change() { groupChanged(2); }
    void PBNumEdit20Change() { groupChanged(3); }
    void PBNumEdit29Change() { groupChanged(4); }
    void PBNumEdit38Change() { groupChanged(5); }
    void PBNumEdit47Change() { groupChanged(6); }
    void PBNumEdit56Change() { groupChanged(7); }
    void PBNumEdit65Change() { groupChanged(8); }
    void PBNumEdit74Change() { groupChanged(9); }
    void PBNumEdit83Change() { groupChanged(10); }
    void PBNumEdit92Change() { groupChanged(11); }

protected:
    // A group input's text is written with its OnChange quiet: the write's caller runs the
    // group's recomputation itself, so that its error reaches that caller instead of the error box.
    void storeText(int index, const QString &text) override;

private:
    // The handlers' body: a recomputation whose error goes to the error box.
    void groupChanged(int group);
    void connectInput(TNumEdit &input, int group);

    // Reading a field reaches it the one way writing does, building its group first.
    mutable FormFields m_fields;
};
