#pragma once
#include <QMainWindow>

// The second floor for the start-up figures: the declaration's visible content built from its
// catalogue with stock Qt widgets alone: the content panel, the titles, the three section panels
// with a caption label for each header bar, the twelve group boxes, every caption and label as a
// QLabel at its place, 108 line edits and the 10 x 4 table, and the menu bar's four entries.
// What it costs over the bare floor is what such a window costs in Qt; what ours costs over it
// is our own.
class SameContentWindow : public QMainWindow
{
    Q_OBJECT
public:
    SameContentWindow();

    // Sizes the window to the work area and shows it, as the declaration window is shown.
    void showFillingWorkArea();
};
