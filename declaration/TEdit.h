#pragma once
#include <QLineEdit>

// A text field: one line of free text, Windows-1250 characters only.
class TEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TEdit(QWidget *parent = nullptr);
};
