#pragma once
#include <QApplication>

// What the saved-form fuzz target and its seed generator share besides the fields of the tests'
// FormFixture: the password of every seed file and the offscreen application.
namespace SavedFormFuzzing {

inline const char Password[] = "titok";

// The offscreen application the fields need, created at the first call and kept to the end.
inline void ensureApplication()
{
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ktv3815-fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

} // namespace SavedFormFuzzing
