#pragma once
#include <functional>
#include <string>
#include <vector>

// A timed case of ktv_bench. prepare() runs once, after the application object exists, builds
// the fixture and returns the operation to time; the runner prints the median time of one run.
struct BenchCase
{
    std::string name;
    double goalMicroseconds;
    std::function<std::function<void()>()> prepare;
};

std::vector<BenchCase> &benchCases();

// Registers a case; returns true so that a file can register its cases in a static initialiser.
bool registerBench(BenchCase benchCase);
