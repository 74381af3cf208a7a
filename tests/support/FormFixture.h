#pragma once
#include "DeclarationForm.h"

#include <QWidget>

// The declaration's fields on three plain section panels of one window, as the main window
// builds them.
struct FormFixture
{
    QWidget window;
    QWidget *panel2 = new QWidget(&window);
    QWidget *panel3 = new QWidget(&window);
    QWidget *panel4 = new QWidget(&window);
    DeclarationForm form{panel2, panel3, panel4};
};
