#pragma once
#include "WheelSteps.h"

#include <QObject>
#include <QPointer>

class FormScrollArea;
class TStringGrid;

// The mouse wheel anywhere over the window, counted in notches of 120: each step goes to the
// focused control, wherever the pointer is. With the focus in the household table it moves the
// table's current row; with the focus anywhere else it scrolls the window.
class FormWheel : public QObject
{
public:
    FormWheel(QWidget &window, FormScrollArea &scrollArea, TStringGrid &table);

    // One wheel step for the window: 20 px down (towards the user) or up, clamped.
    void FormMouseWheelDown(bool &handled);
    void FormMouseWheelUp(bool &handled);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void step(bool down);

    QWidget &m_window;
    QPointer<FormScrollArea> m_scrollArea;
    QPointer<TStringGrid> m_table;
    WheelSteps m_steps;
};
