#include "MessageBoxLayout.h"

#include <algorithm>

namespace {
constexpr int IconSize = 32; // px
}

MessageBoxLayout MessageBoxLayout::compute(const DialogUnits &units, QSize textExtent, bool hasIcon, int buttonCount)
{
    const int horizontalMargin = units.horizontal(8);
    const int verticalMargin = units.vertical(8);
    const int horizontalSpacing = units.horizontal(10);
    const int verticalSpacing = units.vertical(10);
    const int buttonSpacing = units.horizontal(4);
    const int textWidth = textExtent.width();
    const int textHeight = textExtent.height();

    const int iconTextWidth = hasIcon ? textWidth + horizontalSpacing + IconSize : textWidth;
    const int iconTextHeight = hasIcon ? std::max(textHeight, IconSize) : textHeight;

    MessageBoxLayout layout;
    layout.button = QSize(units.horizontal(50), units.vertical(14));
    const int rowWidth = buttonCount > 0 ? buttonCount * layout.button.width() + (buttonCount - 1) * buttonSpacing : 0;
    layout.client = QSize(std::max(iconTextWidth, rowWidth) + 2 * horizontalMargin,
                          iconTextHeight + layout.button.height() + verticalSpacing + 2 * verticalMargin);
    if (hasIcon)
        layout.icon = QRect(horizontalMargin, verticalMargin, IconSize, IconSize);
    layout.message = QRect(iconTextWidth - textWidth + horizontalMargin, verticalMargin, textWidth, 2 * textHeight);
    layout.firstButtonLeft = (layout.client.width() - rowWidth) / 2;
    layout.buttonStep = layout.button.width() + buttonSpacing;
    layout.buttonTop = iconTextHeight + verticalMargin + verticalSpacing;
    return layout;
}
