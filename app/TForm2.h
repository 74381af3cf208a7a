#pragma once
#include <QWidget>

// The filling guide window. It is created at start but no command shows it.
class TForm2 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};
