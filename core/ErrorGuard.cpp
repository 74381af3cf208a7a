#include "ErrorGuard.h"
#include "Error.h"

#include <QApplication>
#include <QMessageBox>

namespace {
ErrorSink &errorSink()
{
    static ErrorSink sink;
    return sink;
}

void showError(const QString &message)
{
    if (errorSink()) {
        errorSink()(message);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), applicationTitle(), message);
}
} // namespace

void guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const Error &error) {
        showError(error.message());
    } catch (const std::exception &error) {
        showError(QString::fromLocal8Bit(error.what()));
    }
}

QString applicationTitle()
{
    return QStringLiteral("ktv3815");
}

void setErrorSinkForTesting(ErrorSink sink)
{
    errorSink() = std::move(sink);
}
