// The figures of Trivex.exe under Wine, against the stand-in host server: its start-up to a
// drawn window beside that of a minimal window program (Wine's own start), its working set,
// and full plots over COM beside the same number of bare round trips to the server, measured
// in turn in one run. Run by scripts/bench-wine.sh on a virtual display.
// Usage: trivex-wine-bench STANDIN_EXE MINIMAL_WINDOW_EXE, with TRIVEX_EXE naming Trivex.exe.
#include "ui/win32/windows_api.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "bench_world.h"
#include "host/com/com_host_win32.h"
#include "plot_calls.h"
#include "standin_control_win32.h"
#include "trivex_program_win32.h"
#include "ui/main_window_win32.h"

namespace trivex::bench {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
using test::ChildProgram;
using test::TrivexProgram;

constexpr int kStarts = 10;  // of each program, in turn, after one start of each to warm up
constexpr int kPlots = 20;   // and as many turns of bare round trips and object creations
constexpr float kMovedLatitude = 0.5f;  // each plot moves the first station, and with it the fix
constexpr char kMinimalWindowClass[] = "TrivexBenchMinimalWindow";

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

// Polls about every millisecond.
void PollUntil(const std::function<bool()>& done, const char* what) {
    const auto end = Clock::now() + 20s;
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

// The last row's bearing is shown once start-up has asked the host about all five stations.
bool RowsReported(HWND window) {
    const int id = ui::MainWindowWin32::ControlIdOf(ui::BearingBox(kStationCount - 1));
    return ControlText(GetDlgItem(window, id)) != "N/A";
}

struct Memory {
    double workingSetMb;
    double peakMb;
};

Memory MemoryOf(DWORD processId) {
    const win32::UniqueKernelObject process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!process || !GetProcessMemoryInfo(process.get(), &counters, sizeof counters))
        throw std::runtime_error("no memory figures of process " + std::to_string(processId));
    return {counters.WorkingSetSize / 1048576.0, counters.PeakWorkingSetSize / 1048576.0};
}

struct Start {
    double visibleMs;  // from CreateProcess to the main window visible
    double readyMs;    // to `ready`
    Memory memory;     // then
};

// Starts a program, times it until its window of that class is visible and then until it
// is ready, and closes it.
template <typename Launch>
Start TimeStart(const Launch& launch, const char* windowClass, const std::function<bool(HWND)>& ready) {
    const auto start = Clock::now();
    ChildProgram program = launch();
    HWND window = nullptr;
    PollUntil([&] { return (window = test::FindProcessWindow(program.Id(), windowClass)) != nullptr; },
              windowClass);
    const double visible = MillisecondsSince(start);
    PollUntil([&] { return ready(window); }, "the start-up's end");
    const Start figures{visible, MillisecondsSince(start), MemoryOf(program.Id())};
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (!program.WaitForExit()) throw std::runtime_error(std::string(windowClass) + " did not end");
    return figures;
}

void ReportStartUp(const TrivexProgram& trivex, const std::string& minimalWindow) {
    const auto startTrivex = [&] {
        return TimeStart([&] { return trivex.Launch(); }, ui::MainWindowWin32::kClassName, RowsReported);
    };
    const auto startMinimal = [&] {
        return TimeStart([&] { return ChildProgram(minimalWindow); }, kMinimalWindowClass,
                         [](HWND) { return true; });
    };
    startTrivex();
    startMinimal();
    std::vector<double> visible, ready, minimal;
    Start last{};
    Memory minimalMemory{};
    for (int n = 0; n < kStarts; ++n) {
        last = startTrivex();
        visible.push_back(last.visibleMs);
        ready.push_back(last.readyMs);
        const Start baseline = startMinimal();
        minimal.push_back(baseline.visibleMs);
        minimalMemory = baseline.memory;
    }
    const double own = Median(visible) - Median(minimal);
    std::printf("=== Start-up, median of %d starts of each, from CreateProcess\n", kStarts);
    std::printf("minimal window program, to its window visible (Wine's own start)   %7.1f ms\n", Median(minimal));
    std::printf("Trivex.exe, to its main window visible and drawn                   %7.1f ms\n", Median(visible));
    std::printf("Trivex.exe, until start-up has reported the five rows over COM     %7.1f ms\n", Median(ready));
    std::printf("Trivex.exe's own start-up to a drawn window (difference)           %7.1f ms\n", own);
    std::printf("Trivex.exe's own start-up with the five rows reported (difference) %7.1f ms\n",
                Median(ready) - Median(minimal));
    std::printf("target: start-up to a drawn window under 150 ms without Wine's own start: %s\n",
                Verdict(own < 150));
    std::printf("\n=== Working set (GetProcessMemoryInfo)\n");
    std::printf("minimal window program, started                                    %7.2f MB\n",
                minimalMemory.workingSetMb);
    std::printf("Trivex.exe, started with the five rows reported                    %7.2f MB\n",
                last.memory.workingSetMb);
}

void MoveFirstStation(sim::SimHost& data, standin::StandInControlClient& control, bool& moved) {
    moved = !moved;
    data.stations[0].latitude += moved ? kMovedLatitude : -kMovedLatitude;
    control.LoadScenario(HostDataJson(data));
}

// A command sent while a plot runs is queued until it ends: the plot is posted, and its end
// is seen in its last step, which shows the solution.
double TimePlot(TrivexProgram& trivex) {
    trivex.SetText(ui::ControlId::Solution, "");
    const HWND solution = GetDlgItem(trivex.Window(), ui::MainWindowWin32::ControlIdOf(ui::ControlId::Solution));
    const auto start = Clock::now();
    trivex.Post(ui::Command::Plot);
    PollUntil([&] { return !ControlText(solution).empty(); }, "the plot's solution");
    return MillisecondsSince(start);
}

// The host objects of a plot, created and released in turn.
void CreateObjects(host::Host& host, const PlotCalls& calls) {
    for (int n = 0; n < calls.stationInfos; ++n) host.NewStationInfo();
    for (int n = 0; n < calls.applications; ++n) host.NewApplication();
    for (int n = 0; n < calls.records; ++n) host.NewObject();
}

void ReportPlots(TrivexProgram& trivex, standin::StandInControlClient& control, sim::SimHost& data) {
    const PlotCalls calls = CountPlotCalls();
    if (!trivex.Start()) throw std::runtime_error("Trivex.exe showed no main window");
    PollUntil([&] { return RowsReported(trivex.Window()); }, "Trivex.exe's start-up");
    com::ComHost host;
    const auto application = host.NewApplication();
    const auto map = application->GetMap();

    sim::SimHost unused;
    PlotBench logic(unused, host);
    std::vector<double> plots, bare, creations, logics;
    bool moved = false;
    for (int n = -2; n < kPlots; ++n) {  // two turns to warm up
        MoveFirstStation(data, control, moved);
        const double plot = TimePlot(trivex);
        control.TakeJournal();
        auto start = Clock::now();
        for (int call = 0; call < calls.operations; ++call) map->GetWidthPixels();
        const double roundTrips = MillisecondsSince(start);
        start = Clock::now();
        CreateObjects(host, calls);
        const double created = MillisecondsSince(start);
        start = Clock::now();
        logic.MoveAndPlot();
        logics.push_back(MillisecondsSince(start));
        if (n < 0) continue;
        plots.push_back(plot);
        bare.push_back(roundTrips);
        creations.push_back(created);
    }
    if (trivex.Text(ui::ControlId::Label3) != "first 5 of 10 intersections" ||
        trivex.Text(ui::ControlId::ObjectLabel) != "Object RDFFIX0 at new location.")
        throw std::runtime_error("the plots did not place the fix from ten intersections: " +
                                 trivex.Text(ui::ControlId::Label3) + ", " + trivex.Text(ui::ControlId::ObjectLabel));
    const Memory memory = MemoryOf(trivex.Process().Id());
    trivex.Close();

    std::printf("Trivex.exe, after %d full plots                                    %7.2f MB (peak %.2f MB)\n",
                kPlots + 2, memory.workingSetMb, memory.peakMb);
    std::printf("target: working set under 8 MB: %s\n", Verdict(memory.peakMb < 8));

    const double ratio = Sum(plots) / Sum(bare);
    std::printf("\n=== Full plots over COM against the stand-in server, %d in turn with the same traffic\n",
                kPlots);
    std::printf("a full plot calls %d host operations and creates %d station information objects, "
                "%d application objects and %d object record\n",
                calls.operations, calls.stationInfos, calls.applications, calls.records);
    std::printf("full plot in Trivex.exe (WM_COMMAND sent until handled), median    %7.2f ms\n", Median(plots));
    std::printf("%d bare round trips (GetWidthPixels) from this program, median    %7.2f ms (%.0f us each)\n",
                calls.operations, Median(bare), Median(bare) * 1000 / calls.operations);
    std::printf("creating and releasing the plot's host objects, median             %7.2f ms\n",
                Median(creations));
    std::printf("DEBUG logic in this process over COM, median             %7.2f ms\n", Median(logics));
    std::printf("full plots / bare round trips (sums)                               %7.3f\n", ratio);
    std::printf("full plots / (bare round trips + object creations) (sums)          %7.3f\n",
                Sum(plots) / (Sum(bare) + Sum(creations)));
    std::printf("target: full plot at most 1.05 times the bare round trips: %s\n", Verdict(ratio <= 1.05));
}

int Run(const std::string& standIn, const std::string& minimalWindow) {
    const com::ComApartment apartment;
    if (test::RunToEnd(standIn, "/RegServer") != 0u) throw std::runtime_error("cannot register " + standIn);
    {
        standin::StandInControlClient control;
        sim::SimHost data;
        SetUpHostData(data);
        control.LoadScenario(HostDataJson(data));
        TrivexProgram trivex;
        test::WriteWholeFile(trivex.File("Trivex.INI"), BenchSettings(true));
        ReportStartUp(trivex, minimalWindow);
        ReportPlots(trivex, control, data);
    }
    test::RunToEnd(standIn, "/UnregServer");
    return 0;
}

}  // namespace
}  // namespace trivex::bench

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: trivex-wine-bench STANDIN_EXE MINIMAL_WINDOW_EXE\n");
        return 2;
    }
    try {
        return trivex::bench::Run(trivex::test::WindowsPath(argv[1]), trivex::test::WindowsPath(argv[2]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trivex-wine-bench: %s\n", e.what());
        return 1;
    }
}
