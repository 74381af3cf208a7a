#include "Bench.h"
#include "Figures.h"
#include "StartupChild.h"
#include "StartupComparison.h"
#include "StartupSample.h"

#include <QApplication>
#include <chrono>
#include <cstdio>

namespace {
using Clock = std::chrono::steady_clock;

constexpr int Rounds = 31;
constexpr auto RoundTarget = std::chrono::milliseconds(5);

double microsecondsPerRun(const std::function<void()> &operation, int runs)
{
    const auto start = Clock::now();
    for (int i = 0; i < runs; ++i)
        operation();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / runs;
}

// Enough runs per round to take about RoundTarget, so that the clock's resolution does not count.
int runsPerRound(const std::function<void()> &operation)
{
    int runs = 1;
    while (runs < (1 << 24) &&
           microsecondsPerRun(operation, runs) * runs < std::chrono::duration<double, std::micro>(RoundTarget).count())
        runs *= 2;
    return runs;
}

// Runs every registered case; returns how many missed their goal.
int runCases()
{
    int slow = 0;
    for (const BenchCase &benchCase : benchCases()) {
        const std::function<void()> operation = benchCase.prepare();
        const int runs = runsPerRound(operation);
        std::vector<double> times;
        for (int round = 0; round < Rounds; ++round)
            times.push_back(microsecondsPerRun(operation, runs));
        const double middle = median(times);
        const bool met = middle < benchCase.goalMicroseconds;
        slow += met ? 0 : 1;
        const std::string line = benchCase.name + ": median " + fixed2(middle) + " us (goal under " +
                                 fixed2(benchCase.goalMicroseconds) + " us) " + (met ? "ok" : "SLOW") + "\n";
        std::fputs(line.c_str(), stdout);
        std::fflush(stdout);
    }
    return slow;
}
QtMessageHandler defaultMessageHandler = nullptr;

// The offscreen platform warns at every window shown that it passes no size hints on; in the
// bench, which shows the preview hundreds of times, that would bury the figures.
void dropSizeHintWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(u"propagateSizeHints"))
        defaultMessageHandler(type, context, message);
}
} // namespace

std::vector<BenchCase> &benchCases()
{
    static std::vector<BenchCase> cases;
    return cases;
}

bool registerBench(BenchCase benchCase)
{
    benchCases().push_back(std::move(benchCase));
    return true;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && argv[1] == StartupSwitch)
        return runStartupChild(argc, argv, argv[2]);

    defaultMessageHandler = qInstallMessageHandler(dropSizeHintWarnings);
    QApplication application(argc, argv);
    int slow = compareStartup();
    slow += runCases();
    return slow == 0 ? 0 : 1;
}
