#pragma once
#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

// Reads facts back from a PDF file with the poppler tools: page sizes, word boxes, pixels.
namespace PdfProbe {

inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Page sizes in points, rounded to whole points.
inline std::vector<QSize> pageSizes(const QString &pdf)
{
    const QString info = run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                         QStringLiteral("-l"), QStringLiteral("99"), pdf});
    std::vector<QSize> sizes;
    static const QRegularExpression line(QStringLiteral(R"(Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)"));
    for (auto match = line.globalMatch(info); match.hasNext();) {
        const auto m = match.next();
        sizes.emplace_back(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble()));
    }
    return sizes;
}

inline QString text(const QString &pdf, int page)
{
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

struct Word
{
    QString text;
    QRectF boxPt; // from the page's top-left corner
};

inline std::vector<Word> words(const QString &pdf, int page)
{
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                          QString::number(page), QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<Word> result;
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        const double x0 = m.captured(1).toDouble(), y0 = m.captured(2).toDouble();
        result.push_back({m.captured(5), QRectF(x0, y0, m.captured(3).toDouble() - x0, m.captured(4).toDouble() - y0)});
    }
    return result;
}

// The part of a page (in pixels of the rendering) rendered in grey at the given resolution.
inline QImage render(const QString &pdf, int page, int dpi, QRect crop)
{
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                   QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-x"),
                   QString::number(crop.x()), QStringLiteral("-y"), QString::number(crop.y()), QStringLiteral("-W"),
                   QString::number(crop.width()), QStringLiteral("-H"), QString::number(crop.height()), pdf});
    process.waitForFinished(60000);
    return QImage::fromData(process.readAllStandardOutput(), "PGM");
}

constexpr double PointsPerMm = 72.0 / 25.4;

} // namespace PdfProbe
