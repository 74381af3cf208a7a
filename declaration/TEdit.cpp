#include "TEdit.h"
#include "FieldCatalogue.h"
#include "Windows1250Guard.h"

TEdit::TEdit(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(FieldCatalogue::FieldCapacity);
    refuseNonWindows1250(this);
}
