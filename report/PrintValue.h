#pragma once
#include <QString>
#include <variant>

// What the print value provider hands back for a print variable: nothing (the name is not
// one of its variables), a text printed unchanged, or a floating value.
using PrintValue = std::variant<std::monostate, QString, double>;
