#include "wine_measure_win32.h"

#include <algorithm>
#include <stdexcept>

#include "win32/unique_handle.h"

namespace trivex::bench {

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Sum(const std::vector<double>& values) {
    double sum = 0;
    for (const double value : values) sum += value;
    return sum;
}

const char* Verdict(bool met) {
    return met ? "met" : "NOT met";
}

void PollUntil(const std::function<bool()>& done, const char* what) {
    const auto end = Clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (Clock::now() > end) throw std::runtime_error(std::string("timed out waiting for ") + what);
        Sleep(1);
    }
}

std::string ControlText(HWND control) {
    char text[256] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                             10000, &length))
        throw std::runtime_error("a control did not answer WM_GETTEXT");
    return text;
}

namespace {

BOOL CALLBACK NoteUnpainted(HWND child, LPARAM unpainted) {
    if (GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(unpainted) = true;
    return TRUE;
}

}  // namespace

bool Drawn(HWND window) {
    if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) return false;
    bool unpainted = false;
    EnumChildWindows(window, NoteUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

namespace {

constexpr double kMb = 1024.0 * 1024.0;

win32::UniqueKernelObject OpenForQuery(DWORD processId) {
    win32::UniqueKernelObject process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) throw std::runtime_error("cannot open process " + std::to_string(processId));
    return process;
}

}  // namespace

Memory MemoryOf(DWORD processId) {
    const win32::UniqueKernelObject process = OpenForQuery(processId);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process.get(), &counters, sizeof counters))
        throw std::runtime_error("no memory figures of process " + std::to_string(processId));
    return {counters.WorkingSetSize / kMb, counters.PeakWorkingSetSize / kMb};
}

std::vector<std::pair<std::string, double>> ModulesOf(DWORD processId) {
    const win32::UniqueKernelObject process = OpenForQuery(processId);
    HMODULE modules[256];
    DWORD bytes = 0;
    if (!EnumProcessModules(process.get(), modules, sizeof modules, &bytes))
        throw std::runtime_error("no modules of process " + std::to_string(processId));
    std::vector<std::pair<std::string, double>> found;
    for (DWORD i = 0; i < bytes / sizeof modules[0]; ++i) {
        char name[MAX_PATH] = {};
        MODULEINFO info{};
        GetModuleBaseNameA(process.get(), modules[i], name, sizeof name);
        GetModuleInformation(process.get(), modules[i], &info, sizeof info);
        found.emplace_back(name, info.SizeOfImage / kMb);
    }
    return found;
}

}  // namespace trivex::bench
