#pragma once
#include "ErrorGuard.h"

// The standard error box: the message with the critical icon under the application's title, OK
// to close it, modal over the active window.
void showErrorBox(const QString &message);

// The guard of the window's menu commands and field handlers: an error that escapes is shown in
// the error box.
void guarded(const std::function<void()> &handler);

// Tests observe the error box instead of a person. With a sink set, the message goes to the sink
// and no box is shown; with a sink set to answer the box, the box is shown modally as to a person,
// takes the focus, and is closed with OK as soon as it is active, its message going to the sink.
using ErrorSink = std::function<void(const QString &message)>;
void setErrorSinkForTesting(ErrorSink sink);
void answerErrorBoxesForTesting(ErrorSink sink);
