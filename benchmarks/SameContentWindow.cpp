#include "SameContentWindow.h"
#include "FieldCatalogue.h"
#include "Fonts.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <array>

namespace {

QFrame *panel(QWidget *parent, QRect geometry)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

QLabel *label(QWidget *parent, const QString &text, QPoint pos, const QFont &labelFont)
{
    auto *label = new QLabel(text, parent);
    label->setFont(labelFont);
    label->adjustSize();
    label->move(pos);
    return label;
}

void label(QWidget *parent, const LabelSpec &caption)
{
    const int style = caption.style == LabelStyle::SubCaption ? Fonts::Italic : Fonts::Regular;
    label(parent, caption.text, caption.pos, Fonts::byPixelHeight(QStringLiteral("Arial"), 15, style));
}

QGroupBox *box(QWidget *parent, const BoxSpec &layout)
{
    auto *box = new QGroupBox(layout.caption, parent);
    box->setFont(Fonts::byPixelHeight(QStringLiteral("Arial"), 13, Fonts::Bold));
    box->setGeometry(layout.geometry);
    if (layout.subCaption)
        label(box, *layout.subCaption);
    return box;
}

} // namespace

SameContentWindow::SameContentWindow()
{
    for (const char *entry : {"Nyomtatás", "Űrlap mentése", "Kitöltött űrlap betöltése", "Kilépés"})
        menuBar()->addAction(QString::fromUtf8(entry));

    auto *scrollArea = new QScrollArea(this);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scrollArea->setWidgetResizable(true);
    auto *client = new QWidget;
    QFrame *content = panel(client, FieldCatalogue::contentPanel());
    client->setMinimumHeight(content->geometry().bottom() + 1);
    for (const TitleSpec &title : FieldCatalogue::titles())
        label(content, title.text, title.geometry.topLeft(), Fonts::byPixelHeight(QStringLiteral("Arial"), 27, Fonts::Bold));

    std::array<QWidget *, 3> sections{};
    for (size_t s = 0; s < sections.size(); ++s) {
        const SectionSpec &section = FieldCatalogue::sections()[s];
        sections[s] = panel(content, section.geometry);
        label(sections[s], section.caption, section.barGeometry.topLeft(),
              Fonts::byPixelHeight(QStringLiteral("Arial"), 13, Fonts::Bold));
    }
    std::vector<QWidget *> groupBoxes;
    for (const BoxSpec &group : FieldCatalogue::incomeGroups())
        groupBoxes.push_back(box(sections[group.section - 1], group));

    const QFont fieldFont = Fonts::byPixelHeight(QStringLiteral("MS Sans Serif"), 11);
    for (const FieldSpec &field : FieldCatalogue::fields()) {
        QWidget *container = field.group ? groupBoxes[field.group - 1] : sections[0];
        for (const LabelSpec &caption : field.labels)
            label(container, caption);
        QWidget *widget = nullptr;
        if (field.kind == FieldKind::Table) {
            auto *table = new QTableWidget(FieldCatalogue::TableRows - 1, FieldCatalogue::TableColumns - 1,
                                           box(container, FieldCatalogue::tableBox()));
            QStringList headings;
            for (int c = 1; c < FieldCatalogue::TableColumns; ++c)
                headings << FieldCatalogue::tableHeader(c, 0);
            table->setHorizontalHeaderLabels(headings);
            table->setFont(Fonts::byPixelHeight(QStringLiteral("Tahoma"), 11));
            widget = table;
        } else {
            auto *edit = new QLineEdit(container);
            edit->setFont(fieldFont);
            if (field.kind == FieldKind::Amount) {
                edit->setText(QStringLiteral("0"));
                edit->setAlignment(Qt::AlignRight);
                edit->setEnabled(field.tabOrder >= 0);
            }
            widget = edit;
        }
        widget->setGeometry(field.geometry);
    }
    scrollArea->setWidget(client);
    setCentralWidget(scrollArea);
}

void SameContentWindow::showFillingWorkArea()
{
    setGeometry(screen()->availableGeometry());
    show();
}
