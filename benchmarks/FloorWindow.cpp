#include "FloorWindow.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>

namespace {
constexpr int LineEdits = 110;
constexpr int MenuEntries = 4;
// Content as tall as the declaration's (px at 96 dpi), so that the scroll range is alike.
constexpr int ContentWidth = 761;
constexpr int ContentHeight = 3775;
} // namespace

FloorWindow::FloorWindow()
{
    for (int i = 0; i < MenuEntries; ++i)
        menuBar()->addAction(QStringLiteral("Menu %1").arg(i + 1));

    auto *scrollArea = new QScrollArea(this);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *content = new QWidget;
    content->setFixedSize(ContentWidth, ContentHeight);

    auto *table = new QTableWidget(10, 4, content);
    table->setGeometry(24, 64, 700, 320);
    // Two columns of line edits below the table, spread over the whole content height.
    const int rows = (LineEdits + 1) / 2;
    const int step = (ContentHeight - 400 - 40) / rows;
    for (int i = 0; i < LineEdits; ++i) {
        auto *edit = new QLineEdit(content);
        edit->setGeometry(24 + (i % 2) * 360, 400 + (i / 2) * step, 300, 21);
    }
    scrollArea->setWidget(content);
    setCentralWidget(scrollArea);
}

void FloorWindow::showFillingWorkArea()
{
    setGeometry(screen()->availableGeometry());
    show();
}
