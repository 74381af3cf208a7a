#pragma once
#include <string>
#include <vector>

// The median of the values (the upper one of the two middle values for an even count).
double median(std::vector<double> values);

// A value with two decimals, without the C library's locale-dependent formatting.
std::string fixed2(double value);
