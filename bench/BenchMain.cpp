#include "Bench.h"

#include <QApplication>
#include <algorithm>
#include <charconv>
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

// Microseconds with two decimals, without the C library's locale-dependent formatting.
std::string fixed2(double value)
{
    const auto hundredths = static_cast<long long>(value * 100 + 0.5);
    char buffer[32];
    std::string text(buffer, std::to_chars(buffer, buffer + sizeof buffer, hundredths / 100).ptr);
    const auto fraction = hundredths % 100;
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    text += static_cast<char>('0' + fraction % 10);
    return text;
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
    QApplication application(argc, argv);

    int slow = 0;
    for (const BenchCase &benchCase : benchCases()) {
        const std::function<void()> operation = benchCase.prepare();
        const int runs = runsPerRound(operation);
        std::vector<double> times;
        for (int round = 0; round < Rounds; ++round)
            times.push_back(microsecondsPerRun(operation, runs));
        std::nth_element(times.begin(), times.begin() + Rounds / 2, times.end());
        const double median = times[Rounds / 2];
        const bool met = median < benchCase.goalMicroseconds;
        slow += met ? 0 : 1;
        const std::string line = benchCase.name + ": median " + fixed2(median) + " us (goal under " +
                                 fixed2(benchCase.goalMicroseconds) + " us) " + (met ? "ok" : "SLOW") + "\n";
        std::fputs(line.c_str(), stdout);
    }
    return slow == 0 ? 0 : 1;
}
