#include "StartupChild.h"
#include "FloorWindow.h"
#include "SameContentWindow.h"
#include "Startup.h"
#include "StartupSample.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/resource.h>

namespace {

// A window that never paints fails its run instead of stalling the bench.
constexpr int PaintTimeoutMilliseconds = 30000;

long long microseconds(timeval time)
{
    return static_cast<long long>(time.tv_sec) * 1'000'000 + time.tv_usec;
}

// Watches every paint event of the process; only the one shown window paints. The widgets of a
// frame are painted and flushed within one pass of the event loop, so a zero timer started at
// the first paint event fires once the whole first frame is done. Installed after the window is
// built and before the event loop paints it: the last filter installed sees each event first, so
// its timer runs before any the program itself starts at that paint event, and what the program
// does after its first frame is not counted.
class FirstFrameProbe : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, &FirstFrameProbe::report);
        }
        return false;
    }

private:
    void report()
    {
        StartupSample sample;
        sample.frameNanoseconds = monotonicNanoseconds();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        sample.processorMicroseconds = microseconds(usage.ru_utime) + microseconds(usage.ru_stime);
        sample.peakKilobytes = usage.ru_maxrss; // kilobytes on Linux
        std::fputs(sample.toLine().c_str(), stdout);
        std::fflush(stdout);
        // Nothing to save: leaving without tearing the windows down keeps the runs short and
        // the child's profile about start-up alone.
        std::_Exit(0);
    }

    bool m_seen = false;
};

} // namespace

int runStartupChild(int argc, char **argv, std::string_view window)
{
    if (window != OurWindow && window != FloorWindowName && window != SameContentWindowName)
        return 2;
    QApplication application(argc, argv);
    QTimer::singleShot(PaintTimeoutMilliseconds, [] { std::_Exit(3); });

    std::unique_ptr<Startup> ours;
    std::unique_ptr<FloorWindow> floor;
    std::unique_ptr<SameContentWindow> sameContent;
    if (window == OurWindow) {
        ours = std::make_unique<Startup>();
    } else if (window == FloorWindowName) {
        floor = std::make_unique<FloorWindow>();
        floor->showFillingWorkArea();
    } else {
        sameContent = std::make_unique<SameContentWindow>();
        sameContent->showFillingWorkArea();
    }
    FirstFrameProbe probe;
    application.installEventFilter(&probe);
    return application.exec();
}
