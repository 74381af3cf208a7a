#include "ValueSlots.h"

namespace ValueSlots {

QString expand(const QString &text, const Resolver &resolve, QChar open, QChar close)
{
    QString result;
    qsizetype done = 0;
    for (;;) {
        const qsizetype start = text.indexOf(open, done);
        const qsizetype end = start < 0 ? -1 : text.indexOf(close, start + 1);
        if (end < 0)
            break;
        result += QStringView(text).mid(done, start - done);
        result += resolve(text.mid(start + 1, end - start - 1));
        done = end + 1;
    }
    result += QStringView(text).mid(done);
    return result;
}

} // namespace ValueSlots
