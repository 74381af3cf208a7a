#pragma once
#include "ScopedValue.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

class TMessageForm;

// Lets tests answer the dialogs in advance instead of a person, for as long as the script lives.
// While it runs, every dialog is built and shown modally as usual and takes the focus; once it is
// active it takes the next queued answer (a dialog without one is closed by its close box, so a
// forgotten answer cannot hang a test) and is logged. When the script ends, the dialogs go to the
// script that ran before it, or to the user again.
class DialogScript
{
public:
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

    DialogScript(); // not copyable, as its ScopedValue is not

    void answerNext(int modalResult, const std::optional<QString> &typedText = std::nullopt);
    int pendingAnswers() const { return int(m_answers.size()); }
    const std::vector<ShownDialog> &shown() const { return m_shown; }

    // Used by the dialogs: the script that answers them now, or nullptr while they go to the user.
    static DialogScript *running();
    // Used by the dialogs: answers a shown dialog, logs it and returns the modal result to close it with.
    int answer(TMessageForm &form);

private:
    std::deque<Answer> m_answers;
    std::vector<ShownDialog> m_shown;
    ScopedValue<DialogScript *> m_running;
};
