// Measuring another program from outside under Wine: timing, polling its windows, its memory.
#pragma once

#include "win32/windows_api.h"

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace trivex::bench {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start);
double Median(std::vector<double> values);
double Sum(const std::vector<double>& values);
const char* Verdict(bool met);

// Polls about every millisecond; throws when `done` does not hold within 20 seconds.
void PollUntil(const std::function<bool()>& done, const char* what);

// The text of a control of another process.
std::string ControlText(HWND control);

// Shown, with nothing of it or of its controls waiting to be painted.
bool Drawn(HWND window);

struct Memory {
    double workingSetMb;
    double peakWorkingSetMb;
};

Memory MemoryOf(DWORD processId);

// The file names of the modules a process has loaded, with the sizes of their images.
std::vector<std::pair<std::string, double>> ModulesOf(DWORD processId);

}  // namespace trivex::bench
