#include "ExpectedError.h"
#include "Error.h"

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const Error &error) {
        return error.message();
    }
    return QString();
}
