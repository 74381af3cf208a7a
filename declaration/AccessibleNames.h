#pragma once
#include <QString>

// The names a screen reader speaks for the declaration's fields, made from the captions and
// row labels that the form shows.
namespace AccessibleNames {

// A shown label as spoken: without the blanks around it and one trailing colon ("Összesen:"
// becomes "Összesen"); other punctuation stays ("a.," stays "a.,").
QString spoken(const QString &label);

// A place within a group or the household table: "<whole> – <part>" with an en dash.
QString place(const QString &whole, const QString &part);

// The field at a catalogue index: a section I field its caption, the table the caption of its
// box, a group input "<group caption> – <row label>", a total "<group caption> – Összesen".
QString ofField(int index);

} // namespace AccessibleNames
