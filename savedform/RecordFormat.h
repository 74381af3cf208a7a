#pragma once
#include <QByteArray>

class DeclarationData;
class LineBuffer;

// The plaintext of a saved form: the marker line, then one "name_value" line per filled field
// in component order, every line ending in CR LF, all in Windows-1250.
namespace RecordFormat {

// "hajóskötő": the first line of every plaintext; only a right password deciphers it.
QByteArray marker();

// Clears both buffers and adds one line per field to the collection buffer: the text and
// amount fields as "name_text", the table as "AdvStringGrid1_[c,r]text" column by column.
void collect(const DeclarationData &form, LineBuffer &collection, LineBuffer &output);

// Adds the marker line and the collected lines that carry a value to the output buffer. Empty
// text fields and empty lines are dropped; a line without "_" (the rest of a value that held
// line breaks) becomes "$<last record name>_<line>".
void filter(const LineBuffer &collection, LineBuffer &output);

// Writes lines 1 onward of a deciphered plaintext into the fields, in file order, so a later
// line for a field overrides an earlier one. Lines naming no field and table lines naming a
// cell outside the data cells are skipped. A table position that is not an integer raises
// Error::invalidInteger; an amount that does not parse raises from the group total. Either
// stops the restore at that line, the fields of earlier lines keeping their new values.
void restore(const LineBuffer &output, DeclarationData &form);

// The checks of a deciphered plaintext, then restore: returns false, restoring nothing, when
// the first line is not the marker (the password was wrong). Every saved plaintext ends with a
// line break; without one the file was cut short, and restoring it would write a cut value into
// a field, so Error::invalidFileFormat is raised instead.
bool checkAndRestore(const LineBuffer &output, DeclarationData &form);

} // namespace RecordFormat
