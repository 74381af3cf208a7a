#pragma once
#include <QString>
#include <functional>

// Where the message of an error that ended a handler goes: the window's handlers show it in the
// standard error box (ErrorBox.h); the report engine is handed its display by its owner.
using ErrorDisplay = std::function<void(const QString &message)>;

// Every menu command and field handler runs through guarded(): an error that escapes is handed to
// the display and the program goes on. What the handler changed before the error stays changed.
// This is the only catch of the GUI.
void guarded(const std::function<void()> &handler, const ErrorDisplay &display);
