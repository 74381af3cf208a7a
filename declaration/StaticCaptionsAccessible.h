#pragma once
#include <QAccessibleWidget>
#include <vector>

class StaticCaptions;

// A screen reader meets the painted captions as it met caption labels: each one a static text
// named by its text, in the order the form lists them, placed where it is drawn.
class StaticCaptionsAccessible : public QAccessibleWidget
{
public:
    explicit StaticCaptionsAccessible(StaticCaptions *captions);
    ~StaticCaptionsAccessible() override;

    // Makes every caption layer answer with this interface; called before the first layer is built.
    static void install();

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    StaticCaptions *captions() const;

    // The children's ids in the accessibility cache, made at the first request for each.
    mutable std::vector<QAccessible::Id> m_children;
};
