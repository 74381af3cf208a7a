#include "DialogScript.h"
#include "MsgDlg.h"
#include "TMessageForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <deque>

namespace DialogScript {

namespace {
struct Script
{
    bool active = false;
    std::deque<Answer> answers;
    std::vector<ShownDialog> shown;
};

Script &script()
{
    static Script s;
    return s;
}
} // namespace

void answerNext(int modalResult, const std::optional<QString> &typedText)
{
    script().active = true;
    script().answers.push_back({modalResult, typedText});
}

bool active()
{
    return script().active;
}

int pendingAnswers()
{
    return int(script().answers.size());
}

const std::vector<ShownDialog> &shown()
{
    return script().shown;
}

void reset()
{
    script() = Script();
}

int answer(TMessageForm &form)
{
    Answer next{mrCancel, std::nullopt};
    if (!script().answers.empty()) {
        next = script().answers.front();
        script().answers.pop_front();
    }
    QLineEdit *edit = form.findChild<QLineEdit *>(QStringLiteral("Edit"));
    if (edit && next.typedText)
        edit->setText(*next.typedText); // held to the line's length limit like typing

    ShownDialog shown;
    shown.title = form.windowTitle();
    for (const char *name : {"Message", "Prompt"}) {
        if (const QLabel *label = form.findChild<QLabel *>(QLatin1String(name)))
            shown.text = label->text();
    }
    for (const QPushButton *button : form.findChildren<QPushButton *>())
        shown.buttons << button->text();
    if (edit)
        shown.inputText = edit->text();
    script().shown.push_back(shown);

    form.setResult(next.modalResult);
    return next.modalResult;
}

} // namespace DialogScript
