#pragma once
#include <QByteArray>
#include <QFile>
#include <QLineF>
#include <QRegularExpression>
#include <QString>
#include <QTransform>
#include <QtEndian>
#include <cmath>
#include <vector>

// Reads the size at which a PDF file really prints its text, from the page's content stream
// itself: for every text-showing operator, the font size set by Tf times the vertical scale of
// the text matrix and of the current transformation matrix. Enough of the format for the files
// that Qt writes: plain objects, one content stream per page, Flate-compressed or not.
namespace PdfTextSizes {

namespace Detail {

inline QByteArray object(const QByteArray &file, int number)
{
    const QRegularExpression start(QStringLiteral("(?:^|\\s)%1 0 obj\\b").arg(number));
    const auto match = start.match(QString::fromLatin1(file));
    if (!match.hasMatch())
        return {};
    const qsizetype begin = match.capturedEnd();
    return file.mid(begin, file.indexOf("endobj", begin) - begin);
}

inline int reference(const QByteArray &dictionary, const char *key)
{
    const QRegularExpression ref(QStringLiteral("/%1\\s+(\\d+)\\s+0\\s+R").arg(QLatin1String(key)));
    const auto match = ref.match(QString::fromLatin1(dictionary));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Qt's own inflate wants the inflated size in front; it grows its buffer when that is too small.
inline QByteArray inflate(const QByteArray &deflated)
{
    QByteArray framed(4, '\0');
    qToBigEndian<quint32>(quint32(deflated.size() * 8), framed.data());
    return qUncompress(framed + deflated);
}

inline QByteArray pageContent(const QByteArray &file, int page)
{
    const QRegularExpression pagesNode(QStringLiteral("/Type\\s*/Pages\\b[\\s\\S]*?/Kids\\s*\\[([^\\]]*)\\]"));
    const QString kids = pagesNode.match(QString::fromLatin1(file)).captured(1);
    const QRegularExpression kid(QStringLiteral("(\\d+)\\s+0\\s+R"));
    auto it = kid.globalMatch(kids);
    for (int i = 1; i < page && it.hasNext(); ++i)
        it.next();
    if (!it.hasNext())
        return {};
    const QByteArray pageObject = object(file, it.next().captured(1).toInt());
    const QByteArray stream = object(file, reference(pageObject, "Contents"));
    const qsizetype dataStart = stream.indexOf("stream") + 6;
    const qsizetype begin = dataStart + (stream.mid(dataStart, 2) == "\r\n" ? 2 : 1);
    qsizetype length = stream.lastIndexOf("endstream") - begin;
    const int lengthObject = reference(stream, "Length");
    if (lengthObject >= 0)
        length = object(file, lengthObject).trimmed().toLongLong();
    const QByteArray data = stream.mid(begin, length);
    return stream.left(dataStart).contains("/FlateDecode") ? inflate(data) : data;
}

// Splits a content stream into operands and operators; strings, names and arrays become single
// operands, whose values the sizes do not need.
class Tokenizer
{
public:
    explicit Tokenizer(const QByteArray &content) : m_s(content) {}

    // The next token, or an empty one at the end; isOperator tells an operator from an operand.
    QByteArray next(bool &isOperator)
    {
        skipBlanks();
        isOperator = false;
        if (m_i >= m_s.size())
            return {};
        const char c = m_s[m_i];
        if (c == '(')
            return skipString();
        if (c == '[' || c == ']' || c == '{' || c == '}')
            return m_s.mid(m_i++, 1);
        if (c == '<' || c == '>') {
            const bool twice = m_i + 1 < m_s.size() && m_s[m_i + 1] == c;
            if (c == '<' && !twice) {
                const qsizetype end = m_s.indexOf('>', m_i);
                return take(end + 1);
            }
            return take(m_i + 2);
        }
        qsizetype end = m_i + 1;
        while (end < m_s.size() && !isDelimiter(m_s[end]))
            ++end;
        const QByteArray token = take(end);
        isOperator =
            token[0] != '/' && !std::isdigit(uchar(token[0])) && token[0] != '-' && token[0] != '+' && token[0] != '.';
        return token;
    }

private:
    static bool isDelimiter(char c) { return std::isspace(uchar(c)) || QByteArray("()<>[]{}/%").contains(c); }

    void skipBlanks()
    {
        while (m_i < m_s.size()) {
            if (m_s[m_i] == '%') {
                while (m_i < m_s.size() && m_s[m_i] != '\n' && m_s[m_i] != '\r')
                    ++m_i;
            } else if (std::isspace(uchar(m_s[m_i]))) {
                ++m_i;
            } else {
                return;
            }
        }
    }

    QByteArray skipString()
    {
        int depth = 0;
        qsizetype end = m_i;
        do {
            if (m_s[end] == '\\')
                ++end;
            else if (m_s[end] == '(')
                ++depth;
            else if (m_s[end] == ')')
                --depth;
            ++end;
        } while (depth > 0 && end < m_s.size());
        return take(end);
    }

    QByteArray take(qsizetype end)
    {
        const QByteArray token = m_s.mid(m_i, end - m_i);
        m_i = end;
        return token;
    }

    const QByteArray &m_s;
    qsizetype m_i = 0;
};

} // namespace Detail

// The effective size in points of every text-showing operator (Tj, TJ, ', ") on the page
// (1-based), in content order.
inline std::vector<double> ofPage(const QString &pdf, int page)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = Detail::pageContent(file.readAll(), page);

    std::vector<double> sizes;
    std::vector<QTransform> saved;
    QTransform ctm, textMatrix;
    double fontSize = 0;
    std::vector<double> numbers; // the numeric operands before the operator
    Detail::Tokenizer tokens(content);
    for (bool isOperator = false;;) {
        const QByteArray token = tokens.next(isOperator);
        if (token.isEmpty())
            break;
        if (!isOperator) {
            bool number = false;
            const double value = token.toDouble(&number);
            if (number)
                numbers.push_back(value);
            continue;
        }
        const auto matrix = [&numbers] {
            const auto n = numbers.end() - 6;
            return QTransform(n[0], n[1], n[2], n[3], n[4], n[5]);
        };
        if (token == "q") {
            saved.push_back(ctm);
        } else if (token == "Q" && !saved.empty()) {
            ctm = saved.back();
            saved.pop_back();
        } else if (token == "cm" && numbers.size() >= 6) {
            ctm = matrix() * ctm;
        } else if (token == "BT") {
            textMatrix = QTransform();
        } else if (token == "Tm" && numbers.size() >= 6) {
            textMatrix = matrix();
        } else if ((token == "Td" || token == "TD") && numbers.size() >= 2) {
            textMatrix = QTransform::fromTranslate(numbers[numbers.size() - 2], numbers.back()) * textMatrix;
        } else if (token == "Tf" && !numbers.empty()) {
            fontSize = numbers.back();
        } else if (token == "Tj" || token == "TJ" || token == "'" || token == "\"") {
            // The glyph space's unit upright vector, carried to the page: its length is the size.
            sizes.push_back(std::abs(fontSize) * (textMatrix * ctm).map(QLineF(0, 0, 0, 1)).length());
        }
        numbers.clear();
    }
    return sizes;
}

} // namespace PdfTextSizes
