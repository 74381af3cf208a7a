#include "CheckDigits.h"

#include <numeric>
#include <vector>

namespace {

// The digits of a text of digits, blanks and hyphens; none for any other text.
std::vector<int> digitsOf(const QString &text)
{
    std::vector<int> digits;
    for (const QChar ch : text) {
        if (ch >= u'0' && ch <= u'9')
            digits.push_back(ch.unicode() - u'0');
        else if (ch != u' ' && ch != u'-')
            return {};
    }
    return digits;
}

// w1·d1 + w2·d2 + … over the leading digits, one for each weight.
int weightedSum(const std::vector<int> &digits, std::initializer_list<int> weights)
{
    return std::inner_product(weights.begin(), weights.end(), digits.begin(), 0);
}

} // namespace

namespace CheckDigits {

QString tajHint(const QString &text)
{
    const std::vector<int> d = digitsOf(text);
    if (d.empty())
        return {};
    if (d.size() != 9)
        return QString::fromUtf8(d.size() < 9 ? "A TAJ szám 9 számjegyből áll, ez kevesebb – kérjük, ellenőrizze."
                                              : "A TAJ szám 9 számjegyből áll, ez több – kérjük, ellenőrizze.");
    if (weightedSum(d, {3, 7, 3, 7, 3, 7, 3, 7}) % 10 != d[8])
        return QString::fromUtf8("A TAJ szám ellenőrző számjegye nem stimmel – kérjük, ellenőrizze.");
    return {};
}

QString taxNumberHint(const QString &text)
{
    const std::vector<int> d = digitsOf(text);
    if (d.empty())
        return {};
    if (d.size() < 10 || d.size() > 11)
        return QString::fromUtf8(
            d.size() < 10 ? "Az adóazonosító jel 10, az adószám 11 számjegyből áll, ez kevesebb – kérjük, ellenőrizze."
                          : "Az adóazonosító jel 10, az adószám 11 számjegyből áll, ez több – kérjük, ellenőrizze.");
    if (d.size() == 11) {
        if ((10 - weightedSum(d, {9, 7, 3, 1, 9, 7, 3}) % 10) % 10 != d[7])
            return QString::fromUtf8("Az adószám ellenőrző számjegye nem stimmel – kérjük, ellenőrizze.");
        return {};
    }
    if (d[0] != 8)
        return QString::fromUtf8(
            "Az adóazonosító jel 8-cal kezdődik, az adószám 11 számjegyből áll – kérjük, ellenőrizze.");
    if (weightedSum(d, {1, 2, 3, 4, 5, 6, 7, 8, 9}) % 11 != d[9])
        return QString::fromUtf8("Az adóazonosító jel ellenőrző számjegye nem stimmel – kérjük, ellenőrizze.");
    return {};
}

} // namespace CheckDigits
