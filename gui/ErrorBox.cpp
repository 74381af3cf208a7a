#include "ErrorBox.h"
#include "ApplicationTitle.h"
#include "ModalRun.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {
ErrorSinkForTesting::Observer observer;
} // namespace

void showErrorBox(const QString &message)
{
    const ErrorSinkForTesting::Observer &test = observer;
    if (test.sink && !test.showsBox) {
        test.sink(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, applicationTitle(), message, QMessageBox::Ok, QApplication::activeWindow());
    if (!test.sink) {
        execModal(box);
        return;
    }
    const ErrorDisplay sink = test.sink; // the answer may replace the observer
    execAnswered(box, [&box, &sink, &message] {
        sink(message);
        box.button(QMessageBox::Ok)->click();
    });
}

void guarded(const std::function<void()> &handler)
{
    guarded(handler, showErrorBox);
}

ErrorSinkForTesting::ErrorSinkForTesting(ErrorDisplay sink, Mode mode)
    : m_observer(observer, {std::move(sink), mode == AnsweringTheBox})
{
}
