#pragma once
#include <span>

class QWidget;

// Hints that never block on the TAJ number (Edit5) and the tax number (Edit6) among the fields
// in component order: a wrong number's sentence as a thin red frame on the field's border, its
// tooltip and its accessible description. It appears when the user leaves the field (a dialog or
// menu taking the focus for a while is no leaving) and when the text is written while the field
// lacks the focus (a load); while the user types, a shown hint follows the text and goes as soon
// as it is right or empty, but none appears.
void attachCheckDigitHints(std::span<QWidget *const> fields);
