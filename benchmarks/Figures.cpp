#include "Figures.h"

#include <algorithm>
#include <charconv>

double median(std::vector<double> values)
{
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

std::string fixed2(double value)
{
    const auto hundredths = static_cast<long long>(value * 100 + 0.5);
    char buffer[32];
    std::string text(buffer, std::to_chars(buffer, buffer + sizeof buffer, hundredths / 100).ptr);
    const auto fraction = hundredths % 100;
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    text += static_cast<char>('0' + fraction % 10);
    return text;
}
