#pragma once
#include <QMainWindow>

// The floor for the start-up figures: a bare Qt window with the kinds and numbers of widgets
// of the declaration window (a menu bar with four entries, 110 line edits and a 10 x 4 table
// in a vertically scrolling area), without anything of the program's own.
class FloorWindow : public QMainWindow
{
    Q_OBJECT
public:
    FloorWindow();

    // Sizes the window to the work area and shows it, as the declaration window is shown.
    void showFillingWorkArea();
};
