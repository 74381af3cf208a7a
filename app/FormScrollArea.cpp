#include "FormScrollArea.h"

FormScrollArea::FormScrollArea(QWidget *parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWidgetResizable(true);
    verticalScrollBar()->setSingleStep(8);
    verticalScrollBar()->setTracking(false);
}

void FormScrollArea::showWidget(const QWidget *widget)
{
    if (!widget || !this->widget() || !this->widget()->isAncestorOf(widget))
        return;
    const int top = widget->mapTo(this->widget(), QPoint(0, 0)).y();
    const int bottom = top + widget->height();
    const int viewTop = position();
    const int viewHeight = viewport()->height();
    if (top < viewTop)
        setPosition(top);
    else if (bottom > viewTop + viewHeight)
        setPosition(widget->height() > viewHeight ? top : bottom - viewHeight);
}

bool FormScrollArea::focusNextPrevChild(bool next)
{
    // Skip QScrollArea's own scrolling, which adds a margin; the window scrolls exactly on focus.
    return QWidget::focusNextPrevChild(next);
}
