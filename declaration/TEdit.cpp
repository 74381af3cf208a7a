#include "TEdit.h"
#include "Windows1250Guard.h"

#include <limits>

TEdit::TEdit(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    refuseNonWindows1250(this);
}
