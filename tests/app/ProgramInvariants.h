#pragma once
#include <QString>
#include <optional>

namespace WindowTesting {
class RunningProgram;
}

// What holds in the main window after every action of a user, whatever the action was: the
// window is up with no dialog left open, every group total is the sum of its inputs whenever
// they all parse (read and added exactly, apart from the program's own arithmetic), an open
// cell editor shows its cell's stored text, the highlighted header bar
// is the one of the section that holds the focus, and the focus is in a field or nowhere.
// Returns the first that does not hold.
std::optional<QString> brokenInvariant(const WindowTesting::RunningProgram &program);
