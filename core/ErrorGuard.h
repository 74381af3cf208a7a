#pragma once
#include <QString>
#include <functional>

// Every menu command and field handler runs through guarded(): an error that escapes is shown
// in the standard error box (critical icon, the application's title) and the program goes on.
// What the handler changed before the error stays changed. This is the only catch of the GUI.
void guarded(const std::function<void()> &handler);

// The title of the standard error box and of untitled dialogs.
QString applicationTitle();

// Tests observe the error box instead of a person. With a sink set, the message goes to the sink
// and no box is shown; with a sink set to answer the box, the box is shown modally as to a person,
// takes the focus, and is closed with OK as soon as it is active, its message going to the sink.
using ErrorSink = std::function<void(const QString &message)>;
void setErrorSinkForTesting(ErrorSink sink);
void answerErrorBoxesForTesting(ErrorSink sink);
