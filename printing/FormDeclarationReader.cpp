#include "FormDeclarationReader.h"
#include "DeclarationForm.h"
#include "TNumEdit.h"

QString FormDeclarationReader::text(int index) const
{
    return m_form.text(index);
}

QString FormDeclarationReader::cell(int column, int row) const
{
    return m_form.cell(column, row);
}

long double FormDeclarationReader::value(int index) const
{
    return m_form.numEdit(index)->Value();
}
