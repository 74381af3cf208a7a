#include "CheckDigitHint.h"
#include "CheckDigits.h"
#include "FieldCatalogue.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>

namespace {

// A red of its own, not the palette's, so that no desktop theme can make the frame vanish.
const QColor FrameColour(0xE0, 0x00, 0x00);

// The hint of one field: its child, so that it goes with it.
class CheckDigitHint : public QObject
{
public:
    using Rule = QString (*)(const QString &text);

    CheckDigitHint(QWidget *field, Rule rule) : QObject(field), m_rule(rule)
    {
        field->installEventFilter(this);
        connect(this->field(), &QLineEdit::textChanged, this,
                [this] { update(!this->field()->hasFocus() || !m_shown.isEmpty()); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                update(true);
        } else if (event->type() == QEvent::Paint && !m_shown.isEmpty()) {
            // The field paints itself first; the frame then goes over its border.
            watched->event(event);
            QPainter painter(field());
            painter.setPen(FrameColour);
            painter.drawRect(field()->rect().adjusted(0, 0, -1, -1));
            return true;
        }
        return false;
    }

private:
    QLineEdit *field() const { return static_cast<QLineEdit *>(parent()); }

    void update(bool mayAppear)
    {
        const QString hint = m_rule(field()->text());
        if (hint == m_shown || (!mayAppear && !hint.isEmpty()))
            return;
        m_shown = hint;
        field()->setToolTip(hint);
        field()->setAccessibleDescription(hint);
        field()->update();
    }

    Rule m_rule;
    QString m_shown; // the sentence shown, empty without a hint
};

} // namespace

void attachCheckDigitHints(std::span<QWidget *const> fields)
{
    new CheckDigitHint(fields[*FieldCatalogue::find(u"Edit5")], CheckDigits::tajHint);
    new CheckDigitHint(fields[*FieldCatalogue::find(u"Edit6")], CheckDigits::taxNumberHint);
}
