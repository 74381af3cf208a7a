#pragma once
#include <QMargins>
#include <QObject>
#include <optional>

// Shows a window filling the desktop's work area (the screen less the panels), frame included.
// A window manager frames the window only after it is shown: the frame is known by the time it
// moves the window into it or first activates it, and the window is fitted again then. From its
// first activation on, the window is the user's to move and resize. Where a window cannot place
// itself (Wayland, whose compositor alone knows the work area) it is shown maximised.
class WorkAreaFit : public QObject
{
public:
    explicit WorkAreaFit(QWidget &window);

    void show();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMargins frameMargins() const;
    void fit();

    QWidget &m_window;
    std::optional<QMargins> m_fittedFrame; // from showing the window to its first activation
};
