#include "TemplateRows.h"
#include "PageUnits.h"

#include <QFile>
#include <utility>

namespace TemplateRows {

namespace {

TFont font(Font code)
{
    static const QString Tahoma = QStringLiteral("Tahoma");
    static const QString FranklinGothic = QStringLiteral("Franklin Gothic Medium");
    struct FontEntry
    {
        const QString &family;
        int height; // px at 96 dpi; prints at round(h x 72 / 96) pt
        int style;
    };
    // In the order of Font: None (the default font), T6, T7B, T8, T8B, T10, T10B, T11, T11B, F9B, F14B.
    static const FontEntry fontEntries[] = {
        {Tahoma, 11, Fonts::Regular},      {Tahoma, 8, Fonts::Regular},       {Tahoma, 9, Fonts::Bold},
        {Tahoma, 11, Fonts::Regular},      {Tahoma, 11, Fonts::Bold},         {Tahoma, 13, Fonts::Regular},
        {Tahoma, 13, Fonts::Bold},         {Tahoma, 15, Fonts::Regular},      {Tahoma, 15, Fonts::Bold},
        {FranklinGothic, 12, Fonts::Bold}, {FranklinGothic, 19, Fonts::Bold},
    };
    const FontEntry &entry = fontEntries[int(code)];
    return {entry.family, entry.height, Qt::black, entry.style};
}

TView &addObject(TReportPage &page, const Row &row)
{
    const QString name = row.name.toString();
    switch (row.kind) {
    case Kind::Memo: {
        // In the order of Align: None, LT, CT, JT, LC, CC, LB.
        static constexpr std::pair<THAlign, TVAlign> Alignments[] = {
            {haLeft, vaTop},    {haLeft, vaTop},      {haCenter, vaTop},  {haBlock, vaTop},
            {haLeft, vaCenter}, {haCenter, vaCenter}, {haLeft, vaBottom},
        };
        auto &memo = page.add<TMemoView>(name);
        memo.Font = font(row.font);
        std::tie(memo.HAlign, memo.VAlign) = Alignments[int(row.align)];
        memo.Memo = row.text.toString().split(QLatin1Char('\n'));
        memo.WordWrap = !(row.flags & OneLine);
        if (row.flags & WhiteOnBlack) {
            memo.Font.Color = Qt::white;
            memo.Color = QColor(Qt::black);
        }
        if (row.flags & WideSpacing)
            memo.LineSpacing = 4;
        return memo;
    }
    case Kind::HLine:
    case Kind::VLine: {
        auto &line = page.add<TLineView>(name);
        line.Frame.Typ = row.kind == Kind::HLine ? ftTop : ftLeft;
        return line;
    }
    case Kind::Shape: {
        auto &shape = page.add<TShapeView>(name);
        if (row.fill >= 0)
            shape.Color = QColor::fromRgb(QRgb(row.fill));
        return shape;
    }
    case Kind::Picture:
        return page.add<TPictureView>(name);
    case Kind::BarCode:
        break;
    }
    return page.add<TBarCodeView>(name);
}

} // namespace

void setA4(TReportPage &page, TPrinterOrientation orientation, double left, double right, double top, double bottom)
{
    constexpr double ShortSide = 210, LongSide = 297; // mm
    page.Orientation = orientation;
    page.PaperWidth = orientation == poLandscape ? LongSide : ShortSide;
    page.PaperHeight = orientation == poLandscape ? ShortSide : LongSide;
    page.LeftMargin = left;
    page.RightMargin = right;
    page.TopMargin = top;
    page.BottomMargin = bottom;
}

void add(TReportPage &page, const Row &row)
{
    using PageUnits::mmToPx;
    TView &view = addObject(page, row);
    view.Left = mmToPx(row.x);
    view.Top = mmToPx(row.y);
    view.Width = mmToPx(row.w);
    view.Height = mmToPx(row.h);
    view.Visible = !(row.flags & Invisible);
    if (row.flags & Dotted)
        view.Frame.Style = fsDot;
    if (auto *picture = dynamic_cast<TPictureView *>(&view)) {
        // The picture takes its image's size; one that does not load prints as its white background.
        QFile file(row.text.toString());
        picture->loadJpeg(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
}

void add(TReportPage &page, std::span<const Row> rows)
{
    for (const Row &row : rows)
        add(page, row);
}

} // namespace TemplateRows
