#pragma once
#include <QFont>
#include <QString>

// The window and the print-out name Tahoma, Franklin Gothic Medium, Arial, MS Sans Serif and
// Verdana. Where a real font is missing, a free look-alike stands in for it.
namespace Fonts {

// Registers the look-alikes with Qt and settles which family draws each named one; call once
// after the application object exists.
void installLookAlikes();

// The family that draws a named one: the family itself where the machine has it, else its
// first look-alike the machine has (the name itself before installLookAlikes).
QString drawnFamily(const QString &named);

enum Style { Regular = 0, Bold = 1, Italic = 2 };

// A font by its character height in pixels at 96 dpi, as the form descriptions give it.
QFont byPixelHeight(const QString &family, int pixelHeight, int style = Regular);

} // namespace Fonts
