#pragma once
#include "ErrorGuard.h"
#include "ScopedValue.h"

// The standard error box: the message with the critical icon under the application's title, OK
// to close it, modal over the active window.
void showErrorBox(const QString &message);

// The guard of the window's menu commands and field handlers: an error that escapes is shown in
// the error box.
void guarded(const std::function<void()> &handler);

// Tests observe the error box instead of a person, for as long as the sink lives. Instead of the
// box, the message goes to the sink and no box is shown; answering the box, the box is shown
// modally as to a person, takes the focus, and is closed with OK as soon as it is active, its
// message going to the sink. The sink set before comes back when it ends.
class ErrorSinkForTesting
{
public:
    enum Mode { InsteadOfTheBox, AnsweringTheBox };
    explicit ErrorSinkForTesting(ErrorDisplay sink, Mode mode = InsteadOfTheBox);

    // What the error box finds when it is to be shown.
    struct Observer
    {
        ErrorDisplay sink;
        bool showsBox = false;
    };

private:
    ScopedValue<Observer> m_observer;
};
