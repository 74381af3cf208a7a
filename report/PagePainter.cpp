#include "PagePainter.h"
#include "PageUnits.h"
#include "PrintFonts.h"

#include <QPainter>

namespace PagePainter {

namespace {

void draw(QPainter &painter, const TextBlock &block)
{
    painter.save();
    painter.setClipRect(block.clip, Qt::IntersectClip);
    painter.setPen(block.color);
    // One unit per point: the font's pixel size is its point size.
    painter.scale(PrintFonts::PxPerPoint, PrintFonts::PxPerPoint);
    painter.setFont(PrintFonts::inPointUnits(block.font));
    for (const TextRun &run : block.runs) {
        const QPointF baseline = run.baseline / PrintFonts::PxPerPoint;
        if (run.xScale == 1) {
            painter.drawText(baseline, run.text);
            continue;
        }
        painter.save();
        painter.translate(baseline);
        painter.scale(run.xScale, 1);
        painter.drawText(QPointF(0, 0), run.text);
        painter.restore();
    }
    painter.restore();
}

void draw(QPainter &painter, const LineItem &item)
{
    QPen pen(item.color, item.width, Qt::SolidLine, Qt::FlatCap);
    if (item.dotted)
        pen.setDashPattern({1, 3}); // in line widths: 1 px on, 3 px off
    painter.setPen(pen);
    painter.drawLine(item.line);
}

void draw(QPainter &painter, const RectItem &item)
{
    if (item.fill)
        painter.fillRect(item.rect, *item.fill);
    if (item.outline) {
        painter.setPen(QPen(*item.outline, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(item.rect);
    }
}

void draw(QPainter &painter, const ImageItem &item)
{
    painter.drawImage(item.rect, item.image);
}

} // namespace

void paint(const PreparedPage &page, QPainter &painter)
{
    painter.save();
    painter.translate(PageUnits::mmToPx(page.originMm.x()), PageUnits::mmToPx(page.originMm.y()));
    for (const DrawItem &item : page.items)
        std::visit([&painter](const auto &drawn) { draw(painter, drawn); }, item);
    painter.restore();
}

} // namespace PagePainter
