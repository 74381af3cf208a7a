#include "TGroupBox.h"

#include <QPainter>

QRect TGroupBox::captionRect() const
{
    const QFontMetrics metrics(font());
    return QRect(8, 0, metrics.horizontalAdvance(title()), metrics.height());
}

int TGroupBox::frameTop() const
{
    return QFontMetrics(font()).height() / 2 - 1;
}

void TGroupBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The dark line, and the light one a pixel right of and below it: etched into the surface.
    const QRect darkLine(0, frameTop(), width() - 2, height() - frameTop() - 2);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(darkLine.translated(1, 1));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(darkLine);

    const QRect caption = captionRect();
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title());
}
