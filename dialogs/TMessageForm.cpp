#include "TMessageForm.h"
#include "DialogScript.h"
#include "ModalRun.h"
#include "MsgDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

TMessageForm::TMessageForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setFont(QApplication::font("QMessageBox"));
}

QPushButton *TMessageForm::addButton(const QString &name, const QString &caption, int modalResult,
                                     const QRect &geometry)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(geometry);
    if (modalResult != mrNone)
        connect(button, &QPushButton::clicked, this, [this, modalResult] { done(modalResult); });
    return button;
}

void TMessageForm::centreOnScreen()
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QSize outer = frameGeometry().size();
    m_centredOuterSize = outer;
    move(screen.width() / 2 - outer.width() / 2, screen.height() / 2 - outer.height() / 2);
}

void TMessageForm::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    // The frame arrives with the move that puts the window inside it.
    if (m_centredOuterSize.isValid() && frameGeometry().size() != m_centredOuterSize)
        centreOnScreen();
}

int TMessageForm::showModal()
{
    if (DialogScript *script = DialogScript::running())
        return execAnswered(*this, [this, script] { done(script->answer(*this)); });
    return execModal(*this);
}

void TMessageForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_cancelButton)
            m_cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
