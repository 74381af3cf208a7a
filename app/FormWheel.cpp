#include "FormWheel.h"
#include "ErrorBox.h"
#include "FormScrollArea.h"
#include "TStringGrid.h"

#include <QApplication>
#include <QWheelEvent>

namespace {
constexpr int WheelPixels = 20;
}

FormWheel::FormWheel(QWidget &window, FormScrollArea &scrollArea, TStringGrid &table)
    : QObject(&window), m_window(window), m_scrollArea(&scrollArea), m_table(&table)
{
    qApp->installEventFilter(this);
}

void FormWheel::FormMouseWheelDown(bool &handled)
{
    handled = true;
    m_scrollArea->setPosition(m_scrollArea->position() + WheelPixels);
}

void FormWheel::FormMouseWheelUp(bool &handled)
{
    handled = true;
    m_scrollArea->setPosition(m_scrollArea->position() - WheelPixels);
}

void FormWheel::step(bool down)
{
    QWidget *focus = QApplication::focusWidget();
    if (m_table && focus && (focus == m_table || m_table->isAncestorOf(focus))) {
        m_table->stepCurrentRow(down ? 1 : -1);
        return;
    }
    bool handled = false;
    (this->*(down ? &FormWheel::FormMouseWheelDown : &FormWheel::FormMouseWheelUp))(handled);
}

bool FormWheel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel || !m_scrollArea)
        return false;
    auto *target = qobject_cast<QWidget *>(watched);
    if (!target || target->window() != &m_window)
        return false;
    const int steps = m_steps.add(static_cast<QWheelEvent *>(event)->angleDelta().y());
    for (int i = 0; i < std::abs(steps); ++i)
        guarded([this, steps] { step(steps < 0); });
    return true;
}
