#pragma once
#include "PreparedPage.h"

class QPainter;

namespace PagePainter {

// Paints a prepared page. The painter's units must be px at 96 dpi with the origin at the
// paper's top-left corner; the painter's device decides only the resolution.
void paint(const PreparedPage &page, QPainter &painter);

} // namespace PagePainter
