#include "PagePreparation.h"
#include "Code39.h"
#include "MemoLayout.h"
#include "TReportPage.h"

namespace PagePreparation {

namespace {

// Code 39 wide elements are three narrow ones.
constexpr double WideRatio = 3.0;

void addFrame(const TView &view, std::vector<DrawItem> &items)
{
    const TFrame &frame = view.Frame;
    const QRectF r = view.bounds();
    const auto side = [&](int type, QPointF from, QPointF to) {
        if (frame.Typ & type)
            items.push_back(LineItem{QLineF(from, to), frame.Color, frame.Width, frame.Style == fsDot});
    };
    side(ftLeft, r.topLeft(), r.bottomLeft());
    side(ftTop, r.topLeft(), r.topRight());
    side(ftRight, r.topRight(), r.bottomRight());
    side(ftBottom, r.bottomLeft(), r.bottomRight());
}

QString memoText(const TMemoView &memo, const ValueSlots::Resolver &resolve)
{
    const QString text = memo.Memo.join(u'\n');
    const QString &delimiters = memo.ExpressionDelimiters;
    if (!memo.AllowExpressions || delimiters.size() != 3)
        return text;
    return ValueSlots::expand(text, resolve, delimiters.front(), delimiters.back());
}

void addBarCode(const TBarCodeView &barcode, std::vector<DrawItem> &items)
{
    for (const Code39::Bar &bar : Code39::bars(barcode.Text, WideRatio)) {
        const QRectF rect(barcode.Left + bar.left * barcode.Zoom, barcode.Top, bar.width * barcode.Zoom,
                          barcode.Height);
        items.push_back(RectItem{rect, QColor(Qt::black), std::nullopt});
    }
}

void addPicture(const TPictureView &picture, std::vector<DrawItem> &items)
{
    QRectF rect = picture.bounds();
    if (picture.AutoSize && !picture.Picture.isNull())
        rect.setSize(picture.Picture.size());
    items.push_back(RectItem{rect, QColor(Qt::white), std::nullopt});
    if (!picture.Picture.isNull())
        items.push_back(ImageItem{rect, picture.Picture});
}

void addObject(const TView &view, const ValueSlots::Resolver &resolve, std::vector<DrawItem> &items)
{
    if (const auto *shape = dynamic_cast<const TShapeView *>(&view)) {
        items.push_back(RectItem{shape->bounds(), shape->Color, QColor(Qt::black)});
        addFrame(view, items);
        return;
    }
    if (view.Color)
        items.push_back(RectItem{view.bounds(), view.Color, std::nullopt});
    if (const auto *memo = dynamic_cast<const TMemoView *>(&view)) {
        items.push_back(MemoLayout::layout(*memo, memoText(*memo, resolve)));
    } else if (const auto *picture = dynamic_cast<const TPictureView *>(&view)) {
        addPicture(*picture, items);
    } else if (const auto *barcode = dynamic_cast<const TBarCodeView *>(&view)) {
        addBarCode(*barcode, items);
    }
    addFrame(view, items);
}

} // namespace

PreparedPage prepare(const TReportPage &page, const ValueSlots::Resolver &resolve)
{
    PreparedPage prepared;
    prepared.paperMm = QSizeF(page.PaperWidth, page.PaperHeight);
    prepared.landscape = page.Orientation == poLandscape;
    prepared.originMm = QPointF(page.LeftMargin, page.TopMargin);
    for (const auto &object : page.Objects) {
        if (object->Visible)
            addObject(*object, resolve, prepared.items);
    }
    return prepared;
}

} // namespace PagePreparation
