#include "PreviewPages.h"
#include "PagePainter.h"
#include "PageUnits.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace {
constexpr int Spacing = 16; // px around and between the pages
const QColor Background(0x80, 0x80, 0x80);

// Screens that report no plausible physical size fall back to their logical resolution.
constexpr double LowestPlausibleDpi = 50;
constexpr double HighestPlausibleDpi = 600;
} // namespace

PreviewPages::PreviewPages(const std::vector<PreparedPage> &pages, QWidget *parent) : QWidget(parent), m_pages(pages)
{
    updateSize();
}

double PreviewPages::pixelsPerMm() const
{
    const QScreen *shown = screen();
    const double physical = shown ? shown->physicalDotsPerInchX() : 0;
    const bool plausible = physical >= LowestPlausibleDpi && physical <= HighestPlausibleDpi;
    return (plausible ? physical : logicalDpiX()) / PageUnits::MmPerInch;
}

QSizeF PreviewPages::largestPageAtActualSize() const
{
    QSizeF largest;
    for (const PreparedPage &page : m_pages)
        largest = largest.expandedTo(page.paperMm * pixelsPerMm());
    return largest;
}

void PreviewPages::setZoom(double zoom)
{
    m_zoom = zoom;
    updateSize();
    update();
}

QRect PreviewPages::pageRect(size_t index) const
{
    const double scale = pixelsPerMm() * m_zoom;
    int top = Spacing;
    for (size_t i = 0; i < index; ++i)
        top += int(std::lround(m_pages[i].paperMm.height() * scale)) + Spacing;
    const QSize size(int(std::lround(m_pages[index].paperMm.width() * scale)),
                     int(std::lround(m_pages[index].paperMm.height() * scale)));
    return QRect(QPoint((width() - size.width()) / 2, top), size);
}

void PreviewPages::updateSize()
{
    const QSizeF largest = largestPageAtActualSize() * m_zoom;
    int height = Spacing;
    for (size_t i = 0; i < m_pages.size(); ++i)
        height += int(std::lround(m_pages[i].paperMm.height() * pixelsPerMm() * m_zoom)) + Spacing;
    setMinimumSize(int(std::lround(largest.width())) + 2 * Spacing, height);
}

void PreviewPages::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // One unit of the page painter (px at 96 dpi) in screen pixels.
    const double scale = pixelsPerMm() * m_zoom / PageUnits::PxPerMm;
    for (size_t i = 0; i < m_pages.size(); ++i) {
        const QRect rect = pageRect(i);
        if (!rect.intersects(event->rect()))
            continue;
        painter.fillRect(rect, Qt::white);
        painter.save();
        painter.translate(rect.topLeft());
        painter.scale(scale, scale);
        PagePainter::paint(m_pages[i], painter);
        painter.restore();
    }
}
