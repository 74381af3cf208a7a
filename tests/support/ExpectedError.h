#pragma once
#include <QString>
#include <functional>

// The message of the program's error that the action raises; empty when it raises none.
QString errorOf(const std::function<void()> &action);
