#pragma once
#include <QPalette>

// The main window's colours, fixed like those of the paper form: every role of every colour group
// is set, so that no desktop colour scheme (a dark one above all) reaches a caption, a field or
// the table. The light scheme the form was drawn in, with the window's beige, and the disabled
// text (the group totals) dark enough to read: #6D6D6D on the totals' #F0F0F0 is 4.5:1.
QPalette formPalette();
