#pragma once
#include "FieldCatalogue.h"

#include <QFont>
#include <QStaticText>
#include <QWidget>
#include <vector>

// The static texts of one container (a section panel or a group box): captions, row labels and
// units, painted in one pass beneath the container's fields instead of one label widget each.
// Each text is laid out once, when it is first painted. The layer covers the whole container,
// follows its size and lets every mouse event through to it.
class StaticCaptions : public QWidget
{
    Q_OBJECT
public:
    explicit StaticCaptions(QWidget *container);

    void add(const LabelSpec &label);

    // The texts in the order added, for a screen reader and for tests.
    int count() const { return int(m_captions.size()); }
    QString text(int i) const { return m_captions[i].text.text(); }
    QRect rect(int i) const; // where the text is drawn, in this layer

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Caption
    {
        QStaticText text;
        QPoint pos;
        QFont font;
    };

    std::vector<Caption> m_captions;
};
