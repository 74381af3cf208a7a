#include "StartupComparison.h"
#include "Figures.h"
#include "StartupSample.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// Enough alternating runs that the medians' ratios hold still on a quiet machine.
constexpr int Runs = 25;
// Start-up within these multiples of the bare floor's and the same-content floor's, peak memory
// within this multiple of the bare floor's.
constexpr double BareGoal = 1.30;
constexpr double SameContentGoal = 1.15;
constexpr double MemoryGoal = 1.15;

// Starts this bench as a start-up child for the window and returns its sample, with the frame
// time made relative to the moment just before the child was spawned. posix_spawn rather than
// fork: the time to start a child does not grow with the size of this process. A quiet child's
// warnings go to /dev/null, so that they are shown once and not at every run.
std::optional<StartupSample> runChild(std::string_view window, bool quiet)
{
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    std::string switchArgument(StartupSwitch);
    std::string windowArgument(window);
    char *const arguments[] = {const_cast<char *>(self.c_str()), switchArgument.data(), windowArgument.data(), nullptr};

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    if (quiet)
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    pid_t child = 0;
    const long long start = monotonicNanoseconds();
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);

    std::string output;
    char buffer[256];
    for (ssize_t got; spawned == 0 && (got = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            output.append(buffer, size_t(got));
        else if (errno != EINTR)
            break;
    }
    close(pipeEnds[0]);
    if (spawned != 0)
        return std::nullopt;
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;

    std::optional<StartupSample> sample = StartupSample::fromLine(output);
    if (sample)
        sample->frameNanoseconds -= start;
    return sample;
}

// Prints one figure of ours beside a floor's; with a goal (a ratio above 0), says whether the
// ratio meets it.
bool printFigure(const char *name, double ours, double floor, const char *unit, double goal)
{
    const double ratio = ours / floor;
    const bool hasGoal = goal > 0;
    const bool met = !hasGoal || ratio < goal;
    std::string line = std::string("startup: ") + name + ": median " + fixed2(ours) + " " + unit + ", floor " +
                       fixed2(floor) + " " + unit + ", ratio " + fixed2(ratio);
    line += hasGoal ? " (goal under " + fixed2(goal) + ") " + (met ? "ok" : "SLOW") : std::string(" (no goal)");
    std::fputs((line + "\n").c_str(), stdout);
    return met;
}

} // namespace

int compareStartup()
{
    constexpr int Windows = 3;
    const std::string_view windows[Windows] = {OurWindow, FloorWindowName, SameContentWindowName};
    // One run each first, not counted: it loads the program and the fonts into the file cache.
    for (std::string_view window : windows)
        runChild(window, false);

    std::vector<double> times[Windows], processor[Windows], peaks[Windows];
    for (int run = 0; run < Runs; ++run) {
        for (int w = 0; w < Windows; ++w) {
            const std::optional<StartupSample> sample = runChild(windows[w], true);
            if (!sample) {
                std::fputs(("startup: the " + std::string(windows[w]) + " child failed\n").c_str(), stdout);
                return 1;
            }
            times[w].push_back(double(sample->frameNanoseconds) / 1e6);
            processor[w].push_back(double(sample->processorMicroseconds) / 1e3);
            peaks[w].push_back(double(sample->peakKilobytes) / 1024);
        }
    }
    int missed = 0;
    const auto figure = [&](const char *name, const std::vector<double> *values, int floor, const char *unit,
                            double goal) {
        missed += printFigure(name, median(values[0]), median(values[floor]), unit, goal) ? 0 : 1;
    };
    figure("to the first painted frame", times, 1, "ms", BareGoal);
    figure("to the first painted frame, same-content floor", times, 2, "ms", SameContentGoal);
    figure("peak resident memory", peaks, 1, "MiB", MemoryGoal);
    // Less disturbed than the elapsed time where other programs share the processor.
    figure("processor time to the first painted frame", processor, 1, "ms", 0);
    return missed;
}
