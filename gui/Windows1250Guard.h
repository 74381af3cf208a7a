#pragma once
class QLineEdit;

// Lets into the edit box only text that Windows-1250 can hold, whichever way it arrives
// (typing, paste, drop, input method); anything else is refused with the alert sound.
void refuseNonWindows1250(QLineEdit *edit);
