#include "SectionPanels.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "FormScrollArea.h"
#include "THeaderFill.h"

#include <QAbstractItemView>
#include <QApplication>
#include <algorithm>
#include <utility>

namespace {

const QColor HighlightStart(0xFB, 0xE6, 0x94);
const QColor HighlightEnd(0xEE, 0x95, 0x15);
const QColor PlainFill(0xD2, 0xCF, 0xBE);
const QColor PlainCaption(0x4F, 0x50, 0x45);

} // namespace

QFrame *formPanel(QWidget *parent, const QString &name, QRect geometry, QFrame::Shadow shadow)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(1);
    frame->setGeometry(geometry);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, QColor(0xEA, 0xE5, 0xCF));
    frame->setPalette(palette);
    return frame;
}

SectionPanels::SectionPanels(QWidget &content, FormScrollArea &scrollArea)
    : QObject(&content), m_scrollArea(&scrollArea)
{
    for (int s = 0; s < 3; ++s) {
        const SectionSpec &layout = FieldCatalogue::sections()[s];
        m_panels[s] = formPanel(&content, layout.panel, layout.geometry, QFrame::Sunken);
        m_bars[s] = new THeaderFill(layout.caption, m_panels[s]);
        m_bars[s]->setObjectName(layout.bar);
        m_bars[s]->setGeometry(layout.barGeometry);
        // Until the focus first enters a section, every bar is highlighted in the window-text colour.
        m_bars[s]->setColors(HighlightStart, HighlightEnd, content.palette().color(QPalette::WindowText));
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusChanged(now); });
}

void SectionPanels::highlightOnly(int section)
{
    for (int s = 1; s <= 3; ++s) {
        if (s == section)
            m_bars[s - 1]->setColors(HighlightStart, HighlightEnd, Qt::black);
        else
            m_bars[s - 1]->setColors(PlainFill, PlainFill, PlainCaption);
    }
}

void SectionPanels::focusChanged(QWidget *now)
{
    const auto entered =
        std::ranges::find_if(m_panels, [now](const QFrame *panel) { return panel && panel->isAncestorOf(now); });
    if (entered == m_panels.end() || !m_scrollArea)
        return; // focus outside the declaration (a dialog, another window): nothing entered
    const int section = int(entered - m_panels.begin()) + 1;
    const int previous = std::exchange(m_lastSection, section);
    // A cell editor belongs to its table: the table is what comes into view.
    QWidget *shown = now;
    for (QWidget *w = now; w != *entered; w = w->parentWidget()) {
        if (qobject_cast<QAbstractItemView *>(w))
            shown = w;
    }
    m_scrollArea->showWidget(shown);
    if (section == previous)
        return;
    static constexpr void (SectionPanels::*enter[])() = {&SectionPanels::Panel2Enter, &SectionPanels::Panel3Enter,
                                                         &SectionPanels::Panel4Enter};
    guarded([this, section] { (this->*enter[section - 1])(); });
}
