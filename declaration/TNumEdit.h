#pragma once
#include <QLineEdit>

// The amount field. Its text is its only state; Value parses the text at each read.
//
// OnChange fires whenever the text changes: by typing (once per step of a change done in
// several steps), by writing Text or Value with a different text, and by the reformatting on
// focus exit. Writing the text it already has fires nothing.
class TNumEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TNumEdit(QWidget *parent = nullptr);

    QString Text() const { return text(); }
    void setText(const QString &text);

signals:
    void OnChange();

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyEnabledLook();
};
