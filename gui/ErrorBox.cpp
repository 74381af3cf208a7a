#include "ErrorBox.h"
#include "ApplicationTitle.h"
#include "ModalRun.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {
struct TestObserver
{
    ErrorSink sink;
    bool showsBox = false;
};

TestObserver &observer()
{
    static TestObserver o;
    return o;
}
} // namespace

void showErrorBox(const QString &message)
{
    const TestObserver &test = observer();
    if (test.sink && !test.showsBox) {
        test.sink(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, applicationTitle(), message, QMessageBox::Ok, QApplication::activeWindow());
    if (!test.sink) {
        execModal(box);
        return;
    }
    const ErrorSink sink = test.sink; // the answer may replace the observer
    execAnswered(box, [&box, &sink, &message] {
        sink(message);
        box.button(QMessageBox::Ok)->click();
    });
}

void guarded(const std::function<void()> &handler)
{
    guarded(handler, showErrorBox);
}

void setErrorSinkForTesting(ErrorSink sink)
{
    observer() = {std::move(sink), false};
}

void answerErrorBoxesForTesting(ErrorSink sink)
{
    observer() = {std::move(sink), true};
}
