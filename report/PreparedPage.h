#pragma once
#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

// A prepared page: everything resolved and laid out, ready to be painted the same way onto the
// preview, the printer and a PDF. Coordinates are px at 96 dpi from the printable-area origin.

struct PrintFont
{
    QString family;
    int pointSize = 8; // whole points, as the print-out sets them
    int style = 0;     // Fonts::Style
};

struct TextRun
{
    QPointF baseline; // left end of the run's baseline
    QString text;
    double xScale = 1; // below 1 for a line condensed to fit its memo
};

struct TextBlock
{
    QRectF clip; // the memo's rectangle: nothing of its text prints outside it
    PrintFont font;
    QColor color;
    std::vector<TextRun> runs;
};

struct LineItem
{
    QLineF line;
    QColor color;
    double width = 1; // px
    bool dotted = false;
};

struct RectItem
{
    QRectF rect;
    std::optional<QColor> fill;
    std::optional<QColor> outline; // 1 px solid
};

struct ImageItem
{
    QRectF rect;
    QImage image;
};

using DrawItem = std::variant<TextBlock, LineItem, RectItem, ImageItem>;

struct PreparedPage
{
    QSizeF paperMm; // width and height of the sheet as it lies
    bool landscape = false;
    QPointF originMm;            // the printable area's top-left corner on the sheet
    std::vector<DrawItem> items; // in drawing order
};
