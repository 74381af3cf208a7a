#include "StaticCaptionsAccessible.h"
#include "StaticCaptions.h"

#include <QPointer>
#include <algorithm>

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
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_captions->text(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        return isValid() ? m_captions->rect(m_index).translated(m_captions->mapToGlobal(QPoint())) : QRect();
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
    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(captionsFactory), true);
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
    const auto found = std::ranges::find_if(
        m_children, [child](QAccessible::Id id) { return id && QAccessible::accessibleInterface(id) == child; });
    return found == m_children.end() ? -1 : int(found - m_children.begin());
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
