#include "StaticCaptions.h"
#include "Fonts.h"
#include "StaticCaptionsAccessible.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

StaticCaptions::StaticCaptions(QWidget *container) : QWidget(container)
{
    StaticCaptionsAccessible::install();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(container->rect());
    lower(); // beneath the fields: a caption running under its field is covered by it
    container->installEventFilter(this);
}

void StaticCaptions::add(const LabelSpec &label)
{
    QStaticText text(label.text);
    text.setTextFormat(Qt::PlainText);
    const int style = label.style == LabelStyle::SubCaption ? Fonts::Italic : Fonts::Regular;
    m_captions.push_back({text, label.pos, Fonts::byPixelHeight(QStringLiteral("Arial"), 15, style)});
}

QRect StaticCaptions::rect(int i) const
{
    const Caption &caption = m_captions[i];
    const QFontMetrics metrics(caption.font);
    return QRect(caption.pos, QSize(metrics.horizontalAdvance(caption.text.text()), metrics.height()));
}

void StaticCaptions::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const Caption &caption : m_captions) {
        // Only the texts on the rows being painted are laid out: most lie out of view at start.
        const QRect row(0, caption.pos.y(), width(), QFontMetrics(caption.font).height());
        if (!event->rect().intersects(row))
            continue;
        painter.setFont(caption.font);
        painter.drawStaticText(caption.pos, caption.text);
    }
}

bool StaticCaptions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}
