#pragma once
#include <QScrollArea>
#include <QScrollBar>

// The main window's client area: scrolls vertically only, 8 px per arrow click, one visible
// height per trough click; the view follows the thumb only when it is released.
class FormScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit FormScrollArea(QWidget *parent = nullptr);

    int position() const { return verticalScrollBar()->value(); }
    // Sets the position, clamped to 0 .. range minus visible height (the bar's range).
    void setPosition(int position) { verticalScrollBar()->setValue(position); }

    // Scrolls just enough to show the widget: its top at the top when above, its bottom at the
    // bottom when below (its top at the top when taller than the view). No margin.
    void showWidget(const QWidget *widget);

protected:
    bool focusNextPrevChild(bool next) override;
};
