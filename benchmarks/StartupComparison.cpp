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

constexpr int Runs = 15;
// Both figures of ours may be at most this multiple of the floor's.
constexpr double GoalRatio = 1.5;

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

// Prints one figure of ours beside the floor's; with a goal, says whether the ratio meets it.
bool printFigure(const char *name, double ours, double floor, const char *unit, bool hasGoal)
{
    const double ratio = ours / floor;
    const bool met = !hasGoal || ratio < GoalRatio;
    std::string line = std::string("startup: ") + name + ": median " + fixed2(ours) + " " + unit + ", floor " +
                       fixed2(floor) + " " + unit + ", ratio " + fixed2(ratio);
    line += hasGoal ? " (goal under " + fixed2(GoalRatio) + ") " + (met ? "ok" : "SLOW") : std::string(" (no goal)");
    std::fputs((line + "\n").c_str(), stdout);
    return met;
}

} // namespace

int compareStartup()
{
    // One run each first, not counted: it loads the program and the fonts into the file cache.
    runChild(OurWindow, false);
    runChild(FloorWindowName, false);

    std::vector<double> times[2], processor[2], peaks[2];
    const std::string_view windows[2] = {OurWindow, FloorWindowName};
    for (int run = 0; run < Runs; ++run) {
        for (int w = 0; w < 2; ++w) {
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
    missed += printFigure("to the first painted frame", median(times[0]), median(times[1]), "ms", true) ? 0 : 1;
    missed += printFigure("peak resident memory", median(peaks[0]), median(peaks[1]), "MiB", true) ? 0 : 1;
    // Less disturbed than the elapsed time where other programs share the processor.
    printFigure("processor time to the first painted frame", median(processor[0]), median(processor[1]), "ms", false);
    return missed;
}
