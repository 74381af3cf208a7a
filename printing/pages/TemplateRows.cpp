#include "TemplateRows.h"
#include "PageUnits.h"

#include <QFile>

namespace TemplateRows {

namespace {

const QString Tahoma = QStringLiteral("Tahoma");
const QString FranklinGothic = QStringLiteral("Franklin Gothic Medium");

QRectF toPx(QRectF mm)
{
    using PageUnits::mmToPx;
    return {mmToPx(mm.x()), mmToPx(mm.y()), mmToPx(mm.width()), mmToPx(mm.height())};
}

void place(TView &view, QRectF mm)
{
    const QRectF px = toPx(mm);
    view.Left = px.x();
    view.Top = px.y();
    view.Width = px.width();
    view.Height = px.height();
}

void setAlign(TMemoView &memo, Align align)
{
    switch (align) {
    case Align::None:
    case Align::LT:
        break;
    case Align::CT:
        memo.HAlign = haCenter;
        break;
    case Align::JT:
        memo.HAlign = haBlock;
        break;
    case Align::LC:
        memo.VAlign = vaCenter;
        break;
    case Align::CC:
        memo.HAlign = haCenter;
        memo.VAlign = vaCenter;
        break;
    case Align::LB:
        memo.VAlign = vaBottom;
        break;
    }
}

QByteArray resource(const char *path)
{
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly))
        return {}; // the picture stays empty and prints as its white background
    return file.readAll();
}

void addPicture(TReportPage &page, const Row &row)
{
    auto &picture = page.add<TPictureView>(QString::fromUtf8(row.name));
    place(picture, {row.x, row.y, row.w, row.h});
    picture.loadJpeg(resource(row.text));
}

void applyFlags(TView &view, int flags)
{
    view.Visible = !(flags & Invisible);
    if (flags & Dotted)
        view.Frame.Style = fsDot;
}

} // namespace

TFont font(Font code)
{
    struct FontEntry
    {
        Font code;
        const QString &family;
        int height; // px at 96 dpi; prints at round(h x 72 / 96) pt
        int style;
    };
    static const FontEntry fontEntries[] = {
        {Font::T6, Tahoma, 8, Fonts::Regular},        {Font::T7B, Tahoma, 9, Fonts::Bold},
        {Font::T8, Tahoma, 11, Fonts::Regular},       {Font::T8B, Tahoma, 11, Fonts::Bold},
        {Font::T10, Tahoma, 13, Fonts::Regular},      {Font::T10B, Tahoma, 13, Fonts::Bold},
        {Font::T11, Tahoma, 15, Fonts::Regular},      {Font::T11B, Tahoma, 15, Fonts::Bold},
        {Font::F9B, FranklinGothic, 12, Fonts::Bold}, {Font::F14B, FranklinGothic, 19, Fonts::Bold},
    };
    TFont result;
    for (const FontEntry &entry : fontEntries) {
        if (entry.code == code) {
            result.Name = entry.family;
            result.Height = entry.height;
            result.Style = entry.style;
        }
    }
    return result;
}

void setA4(TReportPage &page, TPrinterOrientation orientation, double left, double right, double top, double bottom)
{
    constexpr double ShortSide = 210, LongSide = 297; // mm
    constexpr int A4 = 9;
    page.Orientation = orientation;
    page.PaperWidth = orientation == poLandscape ? LongSide : ShortSide;
    page.PaperHeight = orientation == poLandscape ? ShortSide : LongSide;
    page.PaperSize = A4;
    page.LeftMargin = left;
    page.RightMargin = right;
    page.TopMargin = top;
    page.BottomMargin = bottom;
}

TMemoView &addMemo(TReportPage &page, const QString &name, QRectF mm, Font fontCode, Align align, const QString &text)
{
    auto &memo = page.add<TMemoView>(name);
    place(memo, mm);
    memo.Font = font(fontCode);
    setAlign(memo, align);
    memo.Memo = text.split(QLatin1Char('\n'));
    return memo;
}

TLineView &addHorizontalLine(TReportPage &page, const QString &name, double x, double y, double w)
{
    auto &line = page.add<TLineView>(name);
    place(line, {x, y, w, 0});
    line.Frame.Typ = ftTop;
    return line;
}

void add(TReportPage &page, const Row &row)
{
    const QString name = QString::fromUtf8(row.name);
    TView *view = nullptr;
    switch (row.kind) {
    case Kind::Memo: {
        auto &memo =
            addMemo(page, name, {row.x, row.y, row.w, row.h}, row.font, row.align, QString::fromUtf8(row.text));
        if (row.flags & WhiteOnBlack) {
            memo.Font.Color = Qt::white;
            memo.Color = QColor(Qt::black);
        }
        if (row.flags & WideSpacing)
            memo.LineSpacing = 4;
        view = &memo;
        break;
    }
    case Kind::HLine:
        view = &addHorizontalLine(page, name, row.x, row.y, row.w);
        break;
    case Kind::VLine: {
        auto &line = page.add<TLineView>(name);
        place(line, {row.x, row.y, 0, row.h});
        line.Frame.Typ = ftLeft;
        view = &line;
        break;
    }
    case Kind::Shape: {
        auto &shape = page.add<TShapeView>(name);
        place(shape, {row.x, row.y, row.w, row.h});
        if (row.fill >= 0)
            shape.Color = QColor::fromRgb(QRgb(row.fill));
        view = &shape;
        break;
    }
    case Kind::Picture:
        addPicture(page, row);
        return;
    case Kind::BarCode: {
        auto &barcode = page.add<TBarCodeView>(name);
        place(barcode, {row.x, row.y, row.w, row.h});
        view = &barcode;
        break;
    }
    }
    applyFlags(*view, row.flags);
}

void add(TReportPage &page, std::span<const Row> rows)
{
    for (const Row &row : rows)
        add(page, row);
}

} // namespace TemplateRows
