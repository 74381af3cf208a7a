#include "DialogScript.h"
#include "MsgDlg.h"
#include "TMessageForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
DialogScript *runningScript = nullptr;
} // namespace

DialogScript::DialogScript() : m_running(runningScript, this) {}

void DialogScript::answerNext(int modalResult, const std::optional<QString> &typedText)
{
    m_answers.push_back({modalResult, typedText});
}

DialogScript *DialogScript::running()
{
    return runningScript;
}

int DialogScript::answer(TMessageForm &form)
{
    Answer next{mrCancel, std::nullopt};
    if (!m_answers.empty()) {
        next = m_answers.front();
        m_answers.pop_front();
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
    m_shown.push_back(shown);

    form.setResult(next.modalResult);
    return next.modalResult;
}
