#pragma once
#include "PreparedPage.h"

#include <QWidget>
#include <vector>

// The pages of the preview, one under the other, each at its own size and orientation, drawn by
// the same painter as the printer. At zoom 1.0 a page shows at its size on paper.
class PreviewPages : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewPages(const std::vector<PreparedPage> &pages, QWidget *parent = nullptr);

    const std::vector<PreparedPage> &pages() const { return m_pages; }
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);

    // Screen pixels per millimetre of paper at zoom 1.0.
    double pixelsPerMm() const;
    // The largest page in screen pixels at zoom 1.0.
    QSizeF largestPageAtActualSize() const;
    // Where page index lies in this widget at the current zoom.
    QRect pageRect(size_t index) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateSize();

    const std::vector<PreparedPage> &m_pages;
    double m_zoom = 1.0;
};
