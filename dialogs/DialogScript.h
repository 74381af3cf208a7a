#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TMessageForm;

// Lets tests answer the dialogs in advance instead of a person. While a script is active, every
// dialog is built and shown modally as usual and takes the focus; once it is active it takes the
// next queued answer (a dialog without one is closed by its close box, so a forgotten answer
// cannot hang a test) and is logged.
namespace DialogScript {

struct Answer
{
    int modalResult;
    std::optional<QString> typedText; // replaces the input line's text before the button is used
};

struct ShownDialog
{
    QString title;
    QString text; // the message, or the input box's prompt
    QStringList buttons;
    QString inputText; // the input line's text when the answer was given
};

// Starts the script if it is not running and queues an answer.
void answerNext(int modalResult, const std::optional<QString> &typedText = std::nullopt);

bool active();
int pendingAnswers();
const std::vector<ShownDialog> &shown();

// Ends the script: clears the queue and the log; dialogs are shown to the user again.
void reset();

// Used by the dialogs: answers a shown dialog, logs it and returns the modal result to close it with.
int answer(TMessageForm &form);

} // namespace DialogScript
