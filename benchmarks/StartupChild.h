#pragma once
#include <string_view>

// The child side of the start-up figures. Creates the application object as the program does,
// builds and shows either the declaration window exactly as the program starts it or one of the
// floor windows, and as soon as the first frame has been painted writes a StartupSample line to
// standard output and quits. Returns the process exit code (2 for an unknown window name).
int runStartupChild(int argc, char **argv, std::string_view window);
