#include "PagePainter.h"
#include "PageUnits.h"
#include "PrintFonts.h"

#include <QPainter>

namespace PagePainter {

namespace {

class ItemPainter
{
public:
    explicit ItemPainter(QPainter &painter) : m_painter(painter) {}

    void operator()(const TextBlock &block) const
    {
        m_painter.save();
        m_painter.setClipRect(block.clip, Qt::IntersectClip);
        m_painter.setPen(block.color);
        // One unit per point: the font's pixel size is its point size.
        m_painter.scale(PrintFonts::PxPerPoint, PrintFonts::PxPerPoint);
        m_painter.setFont(PrintFonts::inPointUnits(block.font));
        for (const TextRun &run : block.runs) {
            const QPointF baseline = run.baseline / PrintFonts::PxPerPoint;
            if (run.xScale == 1) {
                m_painter.drawText(baseline, run.text);
                continue;
            }
            m_painter.save();
            m_painter.translate(baseline);
            m_painter.scale(run.xScale, 1);
            m_painter.drawText(QPointF(0, 0), run.text);
            m_painter.restore();
        }
        m_painter.restore();
    }

    void operator()(const LineItem &item) const
    {
        QPen pen(item.color, item.width, Qt::SolidLine, Qt::FlatCap);
        if (item.dotted)
            pen.setDashPattern({1, 3}); // in line widths: 1 px on, 3 px off
        m_painter.setPen(pen);
        m_painter.drawLine(item.line);
    }

    void operator()(const RectItem &item) const
    {
        if (item.fill)
            m_painter.fillRect(item.rect, *item.fill);
        if (item.outline) {
            m_painter.setPen(QPen(*item.outline, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(item.rect);
        }
    }

    void operator()(const ImageItem &item) const { m_painter.drawImage(item.rect, item.image); }

private:
    QPainter &m_painter;
};

} // namespace

void paint(const PreparedPage &page, QPainter &painter)
{
    painter.save();
    painter.translate(PageUnits::mmToPx(page.originMm.x()), PageUnits::mmToPx(page.originMm.y()));
    const ItemPainter itemPainter(painter);
    for (const DrawItem &item : page.items)
        std::visit(itemPainter, item);
    painter.restore();
}

} // namespace PagePainter
