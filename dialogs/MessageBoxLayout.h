#pragma once
#include "DialogUnits.h"

#include <QRect>
#include <QSize>

// Where the parts of a message box go, in px of its client area. The text extent is the
// message measured in the dialog font, word-wrapped at half the screen width.
struct MessageBoxLayout
{
    QSize client;
    QRect icon;    // 32 x 32 at the top left; empty when the type has no icon
    QRect message; // twice the measured text height, so the bolder drawing font has room to wrap
    QSize button;
    int firstButtonLeft = 0;
    int buttonStep = 0; // from one button's left edge to the next one's
    int buttonTop = 0;

    static MessageBoxLayout compute(const DialogUnits &units, QSize textExtent, bool hasIcon, int buttonCount);
};
