#pragma once
#include <optional>
#include <string>
#include <string_view>

// What a start-up child reports to the bench on its one line of standard output: the moment
// its window's first frame was painted, the processor time it had used by then and its peak
// resident memory up to then.
struct StartupSample
{
    long long frameNanoseconds = 0;      // CLOCK_MONOTONIC, the same clock in every process
    long long processorMicroseconds = 0; // user and system time
    long long peakKilobytes = 0;

    std::string toLine() const;
    static std::optional<StartupSample> fromLine(std::string_view line);
};

// CLOCK_MONOTONIC in nanoseconds.
long long monotonicNanoseconds();

// The bench's first argument that makes it a start-up child; the second names the window.
inline constexpr std::string_view StartupSwitch = "--startup";
inline constexpr std::string_view OurWindow = "ours";
inline constexpr std::string_view FloorWindowName = "floor";
inline constexpr std::string_view SameContentWindowName = "same-content";
