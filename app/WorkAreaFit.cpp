#include "WorkAreaFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

WorkAreaFit::WorkAreaFit(QWidget &window) : QObject(&window), m_window(window)
{
    window.installEventFilter(this);
}

void WorkAreaFit::show()
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        m_window.showMaximized();
        return;
    }
    m_window.setGeometry(m_window.screen()->availableGeometry());
    m_window.show();
    fit();
}

QMargins WorkAreaFit::frameMargins() const
{
    const QRect frame = m_window.frameGeometry();
    const QRect client = m_window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void WorkAreaFit::fit()
{
    // The frame lies outside the client geometry: shrink so that the whole frame fits the area.
    m_fittedFrame = frameMargins();
    m_window.setGeometry(m_window.screen()->availableGeometry().marginsRemoved(*m_fittedFrame));
}

bool WorkAreaFit::eventFilter(QObject *, QEvent *event)
{
    const bool moved = event->type() == QEvent::Move;
    const bool activated = event->type() == QEvent::ActivationChange && m_window.isActiveWindow();
    if (m_fittedFrame && (moved || activated)) {
        if (frameMargins() != *m_fittedFrame)
            fit();
        if (activated)
            m_fittedFrame.reset();
    }
    return false;
}
