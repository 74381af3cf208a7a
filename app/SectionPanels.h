#pragma once
#include <QFrame>
#include <QPointer>
#include <array>

class FormScrollArea;
class THeaderFill;

// A panel of the form: a 1-px bevel, raised or lowered, on the content's beige.
QFrame *formPanel(QWidget *parent, const QString &name, QRect geometry, QFrame::Shadow shadow);

// The content panel's three sections, each a lowered panel with its header bar, and what follows
// the focus into them: the focused field is scrolled into view, and entering another section runs
// its enter handler, which highlights that section's bar and puts the other two in the plain look.
class SectionPanels : public QObject
{
public:
    SectionPanels(QWidget &content, FormScrollArea &scrollArea);

    QWidget *panel(int section) const { return m_panels[section - 1]; }

    // Run when the focus moves into a field of section I, II or III from outside it.
    void Panel2Enter() { highlightOnly(1); }
    void Panel3Enter() { highlightOnly(2); }
    void Panel4Enter() { highlightOnly(3); }

private:
    void focusChanged(QWidget *now);
    void highlightOnly(int section);

    QPointer<FormScrollArea> m_scrollArea;
    std::array<QPointer<QFrame>, 3> m_panels;
    std::array<QPointer<THeaderFill>, 3> m_bars;
    // The section of the field that last had the focus, 0 before the first. A number, not the
    // widget: the focus may have been in a cell editor that the table has deleted since.
    int m_lastSection = 0;
};
