#pragma once
#include <QGroupBox>

// A group box in the classic etched frame: a dark line with a light line inside it along the
// top and left and outside it along the right and bottom, from half the caption's height down.
// The caption stands 8 px from the left edge on the box's background, over the top line; the
// inside is not filled, so it shows the container's colour.
class TGroupBox : public QGroupBox
{
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

    // Where the caption is drawn and where the frame's top line runs, in the box.
    QRect captionRect() const;
    int frameTop() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
