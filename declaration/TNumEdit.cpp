#include "TNumEdit.h"

#include <QEvent>

namespace {
const QColor clWindow(0xFF, 0xFF, 0xFF);
const QColor clBtnFace(0xF0, 0xF0, 0xF0);
} // namespace

TNumEdit::TNumEdit(QWidget *parent) : QLineEdit(QStringLiteral("0"), parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    applyEnabledLook();
}

void TNumEdit::setText(const QString &text)
{
    if (text == QLineEdit::text())
        return;
    QLineEdit::setText(text);
    emit OnChange();
}

void TNumEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        applyEnabledLook();
    QLineEdit::changeEvent(event);
}

void TNumEdit::applyEnabledLook()
{
    QPalette palette = this->palette();
    const QColor background = isEnabled() ? clWindow : clBtnFace;
    palette.setColor(QPalette::Active, QPalette::Base, background);
    palette.setColor(QPalette::Inactive, QPalette::Base, background);
    palette.setColor(QPalette::Disabled, QPalette::Base, background);
    setPalette(palette);
    // A disabled total takes no focus, neither by Tab nor by a click.
    setFocusPolicy(isEnabled() ? Qt::StrongFocus : Qt::NoFocus);
}
