#include "StaticCaptionsAccessible.h"
#include "StaticCaptions.h"

#include <QPointer>

namespace {

// One caption of a layer, known by the layer and its place in it, never by a pointer into it.
class CaptionAccessible : public QAccessibleInterface
{
public:
    CaptionAccessible(StaticCaptions *captions, int index) : m_captions(captions), m_index(index) {}

    bool isValid() const override { return m_captions && m_index < m_captions->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_captions ? QAccessible::queryAccessibleInterface(m_captions.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_captions->text(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = m_captions->rect(m_index);
        return QRect(m_captions->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_captions || !m_captions->isVisible();
        return state;
    }

private:
    QPointer<StaticCaptions> m_captions;
    int m_index;
};

QAccessibleInterface *captionsFactory(const QString &, QObject *object)
{
    auto *captions = qobject_cast<StaticCaptions *>(object);
    return captions ? new StaticCaptionsAccessible(captions) : nullptr;
}

} // namespace

StaticCaptionsAccessible::StaticCaptionsAccessible(StaticCaptions *captions)
    : QAccessibleWidget(captions, QAccessible::Pane)
{
}

StaticCaptionsAccessible::~StaticCaptionsAccessible()
{
    for (QAccessible::Id id : m_children) {
        if (id)
            QAccessible::deleteAccessibleInterface(id);
    }
}

void StaticCaptionsAccessible::install()
{
    static const bool installed = (QAccessible::installFactory(captionsFactory), true);
    Q_UNUSED(installed);
}

StaticCaptions *StaticCaptionsAccessible::captions() const
{
    return static_cast<StaticCaptions *>(widget());
}

int StaticCaptionsAccessible::childCount() const
{
    return captions()->count();
}

QAccessibleInterface *StaticCaptionsAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (m_children.size() < size_t(childCount()))
        m_children.resize(size_t(childCount()), 0);
    QAccessible::Id &id = m_children[size_t(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new CaptionAccessible(captions(), index));
    return QAccessible::accessibleInterface(id);
}

int StaticCaptionsAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (size_t i = 0; i < m_children.size(); ++i) {
        if (m_children[i] && QAccessible::accessibleInterface(m_children[i]) == child)
            return int(i);
    }
    return -1;
}

QAccessibleInterface *StaticCaptionsAccessible::childAt(int x, int y) const
{
    const QPoint local = captions()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < childCount(); ++i) {
        if (captions()->rect(i).contains(local))
            return child(i);
    }
    return nullptr;
}
