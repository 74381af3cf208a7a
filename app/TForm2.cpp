#include "TForm2.h"

#include <QFrame>
#include <QTextBrowser>

TForm2::TForm2(QWidget *parent) : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8("Kitöltési útmutató"));
    resize(696, 480);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC5, 0xB6, 0x98));
    setPalette(palette);

    auto *panel = new QFrame(this);
    panel->setGeometry(19, 16, 657, 417);
    panel->setAutoFillBackground(true);
    palette.setColor(QPalette::Window, QColor(0xF6, 0xF4, 0xE7));
    panel->setPalette(palette);
    auto *guide = new QTextBrowser(panel);
    guide->setObjectName(QStringLiteral("RichScrollBox1"));
    guide->setGeometry(panel->rect());
}
