#include "ErrorGuard.h"
#include "Error.h"

void guarded(const std::function<void()> &handler, const ErrorDisplay &display)
{
    try {
        handler();
    } catch (const Error &error) {
        display(error.message());
    } catch (const std::exception &error) {
        display(QString::fromLocal8Bit(error.what()));
    }
}
