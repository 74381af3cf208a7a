#include "GroupBuildSchedule.h"
#include "DeclarationForm.h"
#include "FormScrollArea.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>

namespace {

bool isUserInput(QEvent::Type type)
{
    static constexpr QEvent::Type inputs[] = {
        QEvent::KeyPress,         QEvent::ShortcutOverride,    QEvent::InputMethod,
        QEvent::MouseButtonPress, QEvent::MouseButtonDblClick, QEvent::Wheel,
        QEvent::TouchBegin,       QEvent::TabletPress,         QEvent::ContextMenu,
        QEvent::DragEnter};
    return std::ranges::find(inputs, type) != std::end(inputs);
}

} // namespace

GroupBuildSchedule::GroupBuildSchedule(DeclarationForm &declaration, QWidget &window, FormScrollArea &scrollArea)
    : QObject(&window), m_declaration(&declaration), m_window(&window), m_scrollArea(&scrollArea)
{
    // A screen reader reads the whole form from the start.
    if (QAccessible::isActive()) {
        complete();
        return;
    }
    qApp->installEventFilter(this);
    QAccessible::installActivationObserver(this);
    connect(scrollArea.verticalScrollBar(), &QScrollBar::valueChanged, this, &GroupBuildSchedule::complete);
}

GroupBuildSchedule::~GroupBuildSchedule()
{
    QAccessible::removeActivationObserver(this);
}

bool GroupBuildSchedule::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (isUserInput(type)) {
        complete();
    } else if (watched == m_window && type == QEvent::Show && m_declaration && m_scrollArea && m_scrollArea->widget()) {
        m_builtBottom = shownBottom();
        m_declaration->fields().buildGroupsAbove(m_scrollArea->widget(), m_builtBottom);
    } else if (watched == m_window && type == QEvent::Resize && m_builtBottom >= 0 && shownBottom() > m_builtBottom) {
        complete();
    } else if (type == QEvent::Paint && !m_completionQueued && m_window && watched->isWidgetType() &&
               static_cast<QWidget *>(watched)->window() == m_window) {
        // The widgets of a frame are painted within one pass of the event loop: a zero timer
        // started at its first paint event runs once the whole frame is on screen.
        m_completionQueued = true;
        QTimer::singleShot(0, this, &GroupBuildSchedule::complete);
    }
    return false;
}

void GroupBuildSchedule::accessibilityActiveChanged(bool active)
{
    if (active)
        complete();
}

int GroupBuildSchedule::shownBottom() const
{
    // The window's whole height bounds the scroll area's view from above.
    return m_scrollArea->position() + m_window->height();
}

void GroupBuildSchedule::complete()
{
    // Building is idempotent: a late zero timer or screen reader finds nothing left to build.
    // The observer stays until the end: Qt calls its observers from a list that must not shrink
    // while it does, and another window's schedule may be answering the same call.
    qApp->removeEventFilter(this);
    if (m_scrollArea)
        disconnect(m_scrollArea->verticalScrollBar(), nullptr, this, nullptr);
    if (m_declaration)
        m_declaration->fields().complete();
}
