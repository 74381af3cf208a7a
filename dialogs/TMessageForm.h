#pragma once
#include "MsgDlg.h"

#include <QDialog>

class QPushButton;

// The window of both dialogs: built empty in the platform's message-box font with the fixed
// dialog border (title bar and close box, not resizable), filled by its builder, run once.
// A button with a non-zero modal result closes the dialog with that result; Escape clicks the
// cancel button if there is one; the close box gives mrCancel.
class TMessageForm : public QDialog
{
    Q_OBJECT
public:
    explicit TMessageForm(QWidget *parent = nullptr);

    QPushButton *addButton(const QString &name, const QString &caption, int modalResult, const QRect &geometry);
    void setCancelButton(QPushButton *button) { m_cancelButton = button; }

    // Places the window in the middle of the screen (integer halves of the outer size). A window
    // manager's title bar and border are known only once the window is shown: the window is
    // centred again on its framed size then.
    void centreOnScreen();

    // Runs the dialog modally, or answers it from the test script while one is active.
    int showModal();

    void reject() override { done(mrCancel); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    QPushButton *m_cancelButton = nullptr;
    QSize m_centredOuterSize; // the outer size it was centred on; invalid until centred
};
