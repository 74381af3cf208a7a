#pragma once
#include "DeclarationReader.h"

class DeclarationForm;

// Reads the fields of the declaration window.
class FormDeclarationReader : public DeclarationReader
{
public:
    explicit FormDeclarationReader(const DeclarationForm &form) : m_form(form) {}

    QString text(int index) const override;
    QString cell(int column, int row) const override;
    long double value(int index) const override;

private:
    const DeclarationForm &m_form;
};
