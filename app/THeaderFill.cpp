#include "THeaderFill.h"
#include "Fonts.h"

#include <QPainter>

THeaderFill::THeaderFill(const QString &caption, QWidget *parent) : QWidget(parent), m_text(caption)
{
    setFont(Fonts::byPixelHeight(QStringLiteral("Tahoma"), 13, Fonts::Bold));
}

void THeaderFill::setColors(QColor start, QColor end, QColor caption)
{
    m_start = start;
    m_end = end;
    m_caption = caption;
    update();
}

QColor THeaderFill::bandColor(QColor start, QColor end, int band)
{
    const auto mix = [band](int a, int b) { return a + (b - a) * band / (Bands - 1); };
    return QColor(mix(start.red(), end.red()), mix(start.green(), end.green()), mix(start.blue(), end.blue()));
}

void THeaderFill::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int h = height();
    for (int band = 0; band < Bands; ++band) {
        const int top = band * h / Bands;
        const int bottom = (band + 1) * h / Bands;
        painter.fillRect(0, top, width(), bottom - top, bandColor(m_start, m_end, band));
    }
    painter.setPen(m_caption);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_text);
}
