#include "SameContentWindow.h"
#include "FieldCatalogue.h"

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

QFont fontOf(const char *family, int pixelHeight, bool bold = false, bool italic = false)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

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

void labels(QWidget *parent, const std::vector<LabelSpec> &specs)
{
    for (const LabelSpec &spec : specs)
        label(parent, spec.text, spec.pos, fontOf("Arial", 15, false, spec.style == LabelStyle::SubCaption));
}

QGroupBox *box(QWidget *parent, const BoxSpec &spec)
{
    auto *box = new QGroupBox(spec.caption, parent);
    box->setFont(fontOf("Arial", 13, true));
    box->setGeometry(spec.geometry);
    if (spec.subCaption)
        labels(box, {*spec.subCaption});
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
        label(content, title.text, title.geometry.topLeft(), fontOf("Arial", 27, true));

    std::array<QWidget *, 3> sections{};
    for (size_t s = 0; s < sections.size(); ++s) {
        const SectionSpec &spec = FieldCatalogue::sections()[s];
        sections[s] = panel(content, spec.geometry);
        label(sections[s], spec.caption, spec.barGeometry.topLeft(), fontOf("Arial", 13, true));
    }
    std::vector<QWidget *> groupBoxes;
    for (const BoxSpec &spec : FieldCatalogue::incomeGroups())
        groupBoxes.push_back(box(sections[spec.section - 1], spec));

    const QFont fieldFont = fontOf("MS Sans Serif", 11);
    for (const FieldSpec &field : FieldCatalogue::fields()) {
        QWidget *container = field.group ? groupBoxes[field.group - 1] : sections[0];
        labels(container, field.labels);
        QWidget *widget = nullptr;
        if (field.kind == FieldKind::Table) {
            auto *table = new QTableWidget(FieldCatalogue::TableRows - 1, FieldCatalogue::TableColumns - 1,
                                           box(container, FieldCatalogue::tableBox()));
            QStringList headings;
            for (int c = 1; c < FieldCatalogue::TableColumns; ++c)
                headings << FieldCatalogue::tableHeader(c, 0);
            table->setHorizontalHeaderLabels(headings);
            table->setFont(fontOf("Tahoma", 11));
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
