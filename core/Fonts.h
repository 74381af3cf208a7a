#pragma once
#include <QFont>
#include <QString>

// The window and the print-out name Tahoma, Franklin Gothic Medium, Arial, MS Sans Serif and
// Verdana. Where a real font is missing, a free look-alike stands in for it.
namespace Fonts {

// Registers the look-alikes with Qt; call once after the application object exists.
void installLookAlikes();

enum Style { Regular = 0, Bold = 1, Italic = 2 };

// A font by its character height in pixels at 96 dpi, as the form descriptions give it.
QFont byPixelHeight(const QString &family, int pixelHeight, int style = Regular);

} // namespace Fonts
