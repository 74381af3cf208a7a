#pragma once
class QLineEdit;

// Lets into the edit box only one line of text that Windows-1250 can hold, whichever way it
// arrives (typing, paste, drop, input method); anything else is refused with the alert sound. (A
// saved form brings back only the last line of a value.)
void refuseNonWindows1250(QLineEdit *edit);
