#include "MemoLayout.h"
#include "PageObjects.h"
#include "PrintFonts.h"

#include <QStringList>

namespace MemoLayout {

namespace {

// The look-alike fonts run up to a few per cent wider than the fonts the templates were laid out
// with. A line up to this much wider than its memo still counts as fitting and is drawn
// condensed to the memo's width, so that a one-line label stays one line.
constexpr double FitTolerance = 1.035;

struct Line
{
    QString text;
    bool endsParagraph = false;
};

std::vector<Line> breakLines(const TMemoView &memo, const QString &text, const PrintFonts::LayoutMetrics &metrics,
                             double width)
{
    // Whether the text, or its first length characters, fit the memo's width.
    const auto fits = [&](const QString &line, qsizetype length = -1) {
        return metrics.horizontalAdvance(line, int(length)) <= width * FitTolerance;
    };
    std::vector<Line> lines;
    // A line that is one word too wide for the memo gives up its longest fitting head, at least
    // one character. A head is wider the longer it is, so the longest that fits is found by
    // halving: a pasted word of thousands of characters still lays out at once.
    const auto breakOverlongWord = [&](QString &line) {
        while (line.size() > 1 && !fits(line)) {
            qsizetype fitting = 1;           // fits, or is the one character a line must take
            qsizetype tooLong = line.size(); // does not fit
            while (tooLong - fitting > 1) {
                const qsizetype middle = fitting + (tooLong - fitting) / 2;
                (fits(line, middle) ? fitting : tooLong) = middle;
            }
            lines.push_back({line.left(fitting)});
            line = line.mid(fitting);
        }
    };
    for (const QString &paragraph : text.split(u'\n')) {
        if (!memo.WordWrap) {
            lines.push_back({paragraph, true});
            continue;
        }
        QString line;
        bool started = false;
        for (const QString &word : paragraph.split(u' ')) {
            const QString candidate = started ? line + u' ' + word : word;
            if (!started || fits(candidate)) {
                line = candidate;
            } else {
                lines.push_back({line});
                line = word;
            }
            started = true;
            breakOverlongWord(line);
        }
        lines.push_back({line, true});
    }
    return lines;
}

void placeJustified(const QString &line, const PrintFonts::LayoutMetrics &metrics, const QRectF &inner, double baseline,
                    std::vector<TextRun> &runs)
{
    const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
    double wordsWidth = 0;
    for (const QString &word : words)
        wordsWidth += metrics.horizontalAdvance(word);
    const double gap = (inner.width() - wordsWidth) / double(words.size() - 1);
    double x = inner.left();
    for (const QString &word : words) {
        runs.push_back({QPointF(x, baseline), word});
        x += metrics.horizontalAdvance(word) + gap;
    }
}

} // namespace

TextBlock layout(const TMemoView &memo, const QString &text)
{
    TextBlock block{memo.bounds(), PrintFonts::fromStored(memo.Font), memo.Font.Color, {}};
    const PrintFonts::LayoutMetrics metrics(block.font);
    const QRectF inner = memo.bounds().adjusted(memo.GapX, memo.GapY, -memo.GapX, -memo.GapY);
    const std::vector<Line> lines = breakLines(memo, text, metrics, inner.width());

    const double pitch = metrics.height() + memo.LineSpacing;
    const double blockHeight = double(lines.size()) * pitch - memo.LineSpacing;
    double top = memo.VAlign == vaCenter   ? inner.top() + (inner.height() - blockHeight) / 2
                 : memo.VAlign == vaBottom ? inner.bottom() - blockHeight
                                           : inner.top();
    for (const Line &line : lines) {
        const double baseline = top + metrics.ascent();
        top += pitch;
        if (line.text.isEmpty())
            continue;
        const bool justify =
            memo.HAlign == haBlock && !line.endsParagraph && line.text.split(u' ', Qt::SkipEmptyParts).size() > 1;
        if (justify) {
            placeJustified(line.text, metrics, inner, baseline, block.runs);
            continue;
        }
        const double width = metrics.horizontalAdvance(line.text);
        if (width > inner.width()) {
            block.runs.push_back({QPointF(inner.left(), baseline), line.text, inner.width() / width});
            continue;
        }
        double x = inner.left();
        if (memo.HAlign == haCenter)
            x += (inner.width() - width) / 2;
        block.runs.push_back({QPointF(x, baseline), line.text});
    }
    return block;
}

} // namespace MemoLayout
