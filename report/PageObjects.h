#pragma once
#include "Fonts.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>

// The objects of a page template. Geometry is in px at 96 dpi from the top-left corner of the
// page's printable area (the paper corner moved by the left and top margin); an object may lie
// partly in the margin.

enum TFrameType { ftLeft = 1, ftRight = 2, ftTop = 4, ftBottom = 8 };
enum TFrameStyle { fsSolid, fsDot };

struct TFrame
{
    int Typ = 0;      // the sides drawn, a set of TFrameType
    double Width = 1; // px
    QColor Color = Qt::black;
    TFrameStyle Style = fsSolid; // fsDot: 1 px on, 3 px off
};

struct TFont
{
    QString Name = QStringLiteral("Tahoma");
    int Height = 11; // character height in px at 96 dpi; prints at round(Height x 72 / 96) pt
    QColor Color = Qt::black;
    int Style = Fonts::Regular;
};

class TView
{
public:
    virtual ~TView() = default;

    QRectF bounds() const { return QRectF(Left, Top, Width, Height); }

    QString Name;
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    bool Visible = true; // an invisible object can be found by name but never prints
    TFrame Frame;
    std::optional<QColor> Color; // fill; none leaves the object transparent
};

enum THAlign { haLeft, haCenter, haBlock }; // haBlock: justified, the last line of a paragraph left
enum TVAlign { vaTop, vaCenter, vaBottom };

class TMemoView : public TView
{
public:
    QStringList Memo; // one paragraph per line
    TFont Font;
    THAlign HAlign = haLeft;
    TVAlign VAlign = vaTop;
    bool WordWrap = true;
    double GapX = 2;        // px inset left and right
    double GapY = 1;        // px inset top and bottom
    double LineSpacing = 2; // px between successive lines beyond the font's line height
    bool AllowExpressions = true;
    QString ExpressionDelimiters = QStringLiteral("[,]"); // opening and closing character of a value slot
};

// Horizontal with Frame.Typ = ftTop, from (Left, Top) to (Left + Width, Top); vertical with ftLeft,
// from (Left, Top) to (Left, Top + Height).
class TLineView : public TView
{
};

enum TShapeType { skRectangle };

// Outlined in black, 1 px solid, and filled with Color when it has one.
class TShapeView : public TView
{
public:
    TShapeType Shape = skRectangle;
};

// A picture drawn one image pixel per px on a white background.
class TPictureView : public TView
{
public:
    // Decodes a JPEG image; with AutoSize the object takes the image's size. A picture that does
    // not decode stays empty and prints as its white background.
    void loadJpeg(const QByteArray &jpeg);

    QImage Picture;
    bool AutoSize = true;
};

enum TBarType { bcCode39 };

class TBarCodeView : public TView
{
public:
    TBarType BarType = bcCode39;
    QString Text = QStringLiteral("12345678");
    bool ShowText = false;
    double Zoom = 1.0; // narrow bar width in px
    int Rotation = 0;
};
