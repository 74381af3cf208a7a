#include "ModalRun.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace {

// How long a platform may take to activate a shown dialog before the answer is given anyway.
constexpr int ActivationTimeoutMs = 2000;

class AnswerWhenActive : public QObject
{
public:
    AnswerWhenActive(QDialog &dialog, const std::function<void()> &answer) : m_dialog(&dialog), m_answer(answer)
    {
        dialog.installEventFilter(this);
    }

protected:
    // Watches the dialog alone. Timers and calls end with this object.
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(ActivationTimeoutMs, this, [this] { answerOnce(); });
        // Queued, so that the activation has moved the focus into the dialog first.
        if (event->type() == QEvent::WindowActivate)
            QMetaObject::invokeMethod(
                this, [this] { answerOnce(); }, Qt::QueuedConnection);
        return false;
    }

private:
    void answerOnce()
    {
        if (m_answered || !m_dialog || !m_dialog->isVisible())
            return;
        m_answered = true;
        m_answer();
        if (m_dialog && m_dialog->isVisible())
            m_dialog->reject();
    }

    QPointer<QDialog> m_dialog;
    std::function<void()> m_answer;
    bool m_answered = false;
};

// The window that the last dialog gave the activation back to. Activation arrives through the
// platform later, so a dialog that follows at once still finds no active window behind it.
QPointer<QWidget> activationGivenBack;

} // namespace

int execModal(QDialog &dialog)
{
    QPointer<QWidget> behind = QApplication::activeWindow();
    if (!behind)
        behind = activationGivenBack;
    // The window behind is the dialog's transient parent: the desktop keeps the dialog over it,
    // and where a window cannot place itself (Wayland) the compositor places it there.
    if (behind && behind != &dialog) {
        dialog.winId(); // the dialog's window exists from here on
        dialog.windowHandle()->setTransientParent(behind->windowHandle());
    }
    const int result = dialog.exec();
    if (behind && behind->isVisible() && !behind->isActiveWindow()) {
        activationGivenBack = behind;
        behind->activateWindow();
    }
    return result;
}

int execAnswered(QDialog &dialog, const std::function<void()> &answer)
{
    AnswerWhenActive answering(dialog, answer);
    return execModal(dialog);
}
