#include "StartupSample.h"

#include <charconv>
#include <ctime>

namespace {
std::string decimal(long long value)
{
    char buffer[24];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// Reads a decimal number followed by the separator (or the end of the line when the separator
// is a line end) and moves the line past both.
bool take(std::string_view &line, long long &value, char separator)
{
    const char *const last = line.data() + line.size();
    const auto [after, error] = std::from_chars(line.data(), last, value);
    if (error != std::errc())
        return false;
    if (after == last && separator == '\n') {
        line = {};
        return true;
    }
    if (after == last || *after != separator)
        return false;
    line = std::string_view(after + 1, size_t(last - after - 1));
    return true;
}
} // namespace

std::string StartupSample::toLine() const
{
    return decimal(frameNanoseconds) + ' ' + decimal(processorMicroseconds) + ' ' + decimal(peakKilobytes) + '\n';
}

std::optional<StartupSample> StartupSample::fromLine(std::string_view line)
{
    StartupSample sample;
    if (take(line, sample.frameNanoseconds, ' ') && take(line, sample.processorMicroseconds, ' ') &&
        take(line, sample.peakKilobytes, '\n') && line.empty())
        return sample;
    return std::nullopt;
}

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}
