// The figures of Trivex.exe under Wine, against the stand-in host server: its start-up to a
// drawn window beside that of a minimal window program (Wine's own start), its working set,
// and full plots over COM beside the same number of bare round trips to the server, measured
// in turn in one run. Run by scripts/bench-wine.sh on a virtual display.
// Usage: trivex-wine-bench STANDIN_EXE MINIMAL_WINDOW_EXE, with TRIVEX_EXE naming Trivex.exe.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <stdexcept>

#include "bench_world.h"
#include "host/com/com_host_win32.h"
#include "plot_calls.h"
#include "standin_control_win32.h"
#include "trivex_program_win32.h"
#include "ui/main_window_win32.h"
#include "wine_measure_win32.h"

namespace trivex::bench {
namespace {

using test::ChildProgram;
using test::TrivexProgram;

constexpr int kStarts = 10;             // of each program, in turn, after one start of each to warm up
constexpr int kRounds = 20;             // of plots with the same traffic in turn, after two to warm up
constexpr float kMovedLatitude = 0.5f;  // each plot moves the first station, and with it the fix
constexpr char kMinimalWindowClass[] = "TrivexBenchMinimalWindow";
// The host calls a full plot made before the map was read once per plot: the yardstick of the
// plot time targets, however few calls a plot makes now.
constexpr int kYardstickCalls = 228;
constexpr double kShownTarget = 1.0, kMinimisedTarget = 0.8;  // times the yardstick's round trips
constexpr double kReadyTargetMs = 250;  // start-up to the five rows beyond Wine's own start

// The last row's bearing is shown once start-up has asked the host about all five stations.
bool RowsReported(HWND window) {
    const int id = ui::MainWindowWin32::ControlIdOf(ui::BearingBox(plot::kStationCount - 1));
    return ControlText(GetDlgItem(window, id)) != "N/A";
}

struct Start {
    double drawnMs;  // from CreateProcess to the main window shown and painted
    double readyMs;  // to `ready`
    Memory memory;   // then
};

// Starts a program, times it until its window of that class is drawn and then until it is
// ready, and closes it.
template <typename Launch>
Start TimeStart(const Launch& launch, const char* windowClass, const std::function<bool(HWND)>& ready) {
    const auto start = Clock::now();
    ChildProgram program = launch();
    HWND window = nullptr;
    PollUntil([&] { return (window = test::FindProcessWindow(program.Id(), windowClass)) != nullptr; },
              windowClass);
    PollUntil([&] { return Drawn(window); }, "the window drawn");
    const double drawn = MillisecondsSince(start);
    PollUntil([&] { return ready(window); }, "the start-up's end");
    const Start figures{drawn, MillisecondsSince(start), MemoryOf(program.Id())};
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
    std::vector<double> drawn, ready, minimal;
    Start last{}, baseline{};
    for (int n = 0; n < kStarts; ++n) {
        last = startTrivex();
        drawn.push_back(last.drawnMs);
        ready.push_back(last.readyMs);
        baseline = startMinimal();
        minimal.push_back(baseline.drawnMs);
    }
    const double own = Median(drawn) - Median(minimal);
    std::printf("=== Start-up from CreateProcess, median of %d starts of each in turn\n", kStarts);
    std::printf("minimal window program, to its window drawn (Wine's own start)  %8.1f ms\n",
                Median(minimal));
    std::printf("Trivex.exe, to its main window drawn                            %8.1f ms\n", Median(drawn));
    std::printf("Trivex.exe, to the five rows reported by the host over COM      %8.1f ms\n", Median(ready));
    std::printf("Trivex.exe's own start-up to a drawn window (difference)        %8.1f ms\n", own);
    std::printf("Trivex.exe's own start-up to the five rows reported             %8.1f ms\n",
                Median(ready) - Median(minimal));
    std::printf("target: start-up to the five rows at most %.0f ms beyond Wine's own start: %s\n",
                kReadyTargetMs, Verdict(Median(ready) - Median(minimal) <= kReadyTargetMs));
    std::printf("target: start-up to a drawn window under 150 ms without Wine's own start: %s\n",
                Verdict(own < 150));
    std::printf("\n=== Memory (GetProcessMemoryInfo)\n");
    std::printf("minimal window program, working set when started          %6.1f MB\n",
                baseline.memory.workingSetMb);
    std::printf("Trivex.exe, working set when started, five rows reported  %6.1f MB\n",
                last.memory.workingSetMb);
}

// The DLLs Trivex.exe loads that the minimal window program does not, with their images' sizes.
void ReportExtraModules(DWORD trivex, const std::string& minimalWindow) {
    ChildProgram minimal(minimalWindow);
    HWND window = nullptr;
    PollUntil(
        [&] { return (window = test::FindProcessWindow(minimal.Id(), kMinimalWindowClass)) != nullptr; },
        kMinimalWindowClass);
    const auto baseline = ModulesOf(minimal.Id());
    PostMessageA(window, WM_CLOSE, 0, 0);
    double total = 0;
    std::string names;
    for (const auto& [name, size] : ModulesOf(trivex)) {
        const auto same = [&](const auto& module) {
            return _stricmp(module.first.c_str(), name.c_str()) == 0;
        };
        if (std::any_of(baseline.begin(), baseline.end(), same) || _stricmp(name.c_str(), "Trivex.exe") == 0)
            continue;
        total += size;
        names += " " + name;
    }
    std::printf("DLLs Trivex.exe loads beyond the minimal program's, %.1f MB of images:%s\n", total,
                names.c_str());
}

// Moves the first station to and fro in the stand-in, so that every plot moves the fix too.
class MovingStation {
  public:
    explicit MovingStation(standin::StandInControlClient& control) : control_(control) {
        SetUpHostData(data_);
    }
    void Move() {
        moved_ = !moved_;
        data_.stations[0].latitude += moved_ ? kMovedLatitude : -kMovedLatitude;
        control_.LoadScenario(HostDataJson(data_));
    }

  private:
    standin::StandInControlClient& control_;
    sim::SimHost data_;
    bool moved_ = false;
};

// A command sent while a plot runs is queued until it ends: the plot is posted, and its end is
// seen in its last step, which shows the solution.
double TimePlot(const TrivexProgram& trivex) {
    trivex.SetText(ui::ControlId::Solution, "");
    const HWND solution =
        GetDlgItem(trivex.Window(), ui::MainWindowWin32::ControlIdOf(ui::ControlId::Solution));
    const auto start = Clock::now();
    trivex.Post(ui::Command::Plot);
    PollUntil([&] { return !ControlText(solution).empty(); }, "the plot's solution");
    return MillisecondsSince(start);
}

double TimeRoundTrips(host::UivMap& map, int count) {
    const auto start = Clock::now();
    for (int n = 0; n < count; ++n) map.GetWidthPixels();
    return MillisecondsSince(start);
}

// Creates and releases the host objects of a plot.
double TimeCreations(host::Host& host, const PlotCalls& calls) {
    const auto start = Clock::now();
    for (int n = 0; n < calls.stationInfos; ++n) host.NewStationInfo();
    for (int n = 0; n < calls.applications; ++n) host.NewApplication();
    for (int n = 0; n < calls.records; ++n) host.NewObject();
    return MillisecondsSince(start);
}

struct Series {
    const char* name;
    std::vector<double> times;
};

void PrintSeries(const Series& series, const std::vector<double>& bare) {
    std::printf("%-58s %8.1f ms %7.2f\n", series.name, Median(series.times), Sum(series.times) / Sum(bare));
}

// Full plots in Trivex.exe, each followed by the bare round trips it is measured against, with
// the first station moved before each.
class PlotRounds {
  public:
    PlotRounds(const TrivexProgram& trivex, standin::StandInControlClient& control, host::UivMap& map)
        : trivex_(trivex), control_(control), map_(map), station_(control) {}

    // Two rounds to warm up, then kRounds timed; `beside` runs after each round, told whether it counts.
    void Time(Series& plots, Series& bare, const std::function<void(bool counts)>& beside = nullptr) {
        for (int n = -2; n < kRounds; ++n) {
            station_.Move();
            const double plot = TimePlot(trivex_);
            control_.TakeJournal();
            const double roundTrips = TimeRoundTrips(map_, kYardstickCalls);
            if (beside) beside(n >= 0);
            if (n < 0) continue;
            plots.times.push_back(plot);
            bare.times.push_back(roundTrips);
        }
    }

  private:
    const TrivexProgram& trivex_;
    standin::StandInControlClient& control_;
    host::UivMap& map_;
    MovingStation station_;
};

struct PlotFigures {
    Series shown{"full plot in Trivex.exe, window shown", {}}, bare{"bare round trips", {}};
    Series minimised{"full plot in Trivex.exe, window minimised", {}}, bareToo{"", {}};
    Series creations{"creating and releasing the plot's host objects", {}};
    Series logic{"the same plot by the same logic in this process", {}};
    Memory memory;  // after the plots with the window shown
};

void PrintPlotFigures(const PlotCalls& calls, const PlotFigures& f) {
    std::printf("Trivex.exe, working set after %d full plots (peak)         %6.1f MB (%.1f MB)\n",
                kRounds + 2, f.memory.workingSetMb, f.memory.peakWorkingSetMb);
    std::printf("target: working set under 8 MB: %s\n", Verdict(f.memory.peakWorkingSetMb < 8));

    std::printf("\n=== Full plots over COM against the stand-in server, %d rounds in turn\n", kRounds);
    std::printf(
        "a full plot makes %d host calls and creates %d station information objects, %d application "
        "objects and %d object record\n",
        calls.operations, calls.stationInfos, calls.applications, calls.records);
    std::printf("host calls by operation:");
    for (const auto& [operation, count] : calls.byOperation) std::printf(" %s %d", operation.c_str(), count);
    std::printf("\n%-58s %11s %7s\n", "", "median", "ratio");
    std::printf("%-58s %8.1f ms (%.0f us each)\n",
                (std::to_string(kYardstickCalls) + " bare round trips").c_str(), Median(f.bare.times),
                Median(f.bare.times) * 1000 / kYardstickCalls);
    PrintSeries(f.shown, f.bare.times);
    PrintSeries(f.minimised, f.bareToo.times);
    PrintSeries(f.logic, f.bare.times);
    PrintSeries(f.creations, f.bare.times);
    const double shownRatio = Sum(f.shown.times) / Sum(f.bare.times);
    const double minimisedRatio = Sum(f.minimised.times) / Sum(f.bareToo.times);
    std::printf("target: a full plot, window shown, at most %.1f times the bare round trips: %s (%.2f)\n",
                kShownTarget, Verdict(shownRatio <= kShownTarget), shownRatio);
    std::printf("target: a full plot, window minimised, at most %.1f times the bare round trips: %s (%.2f)\n",
                kMinimisedTarget, Verdict(minimisedRatio <= kMinimisedTarget), minimisedRatio);
}

void ReportPlots(TrivexProgram& trivex, standin::StandInControlClient& control,
                 const std::string& minimalWindow) {
    const PlotCalls calls = CountPlotCalls();
    if (!trivex.Start()) throw std::runtime_error("Trivex.exe showed no main window");
    PollUntil([&] { return RowsReported(trivex.Window()); }, "Trivex.exe's start-up");
    com::ComHost host;
    const auto map = host.NewApplication()->GetMap();
    sim::SimHost unmoved;  // the stand-in's stations move; the in-process run's copy need not
    SetUpHostData(unmoved);
    PlotBench inProcess(unmoved, host);
    PlotRounds rounds(trivex, control, *map);

    PlotFigures figures;
    rounds.Time(figures.shown, figures.bare, [&](bool counts) {
        const double created = TimeCreations(host, calls);
        const auto start = Clock::now();
        inProcess.MoveAndPlot();
        if (!counts) return;
        figures.logic.times.push_back(MillisecondsSince(start));
        figures.creations.times.push_back(created);
    });
    if (trivex.Text(ui::ControlId::IntersectionCount) != "first 5 of 10 intersections" ||
        trivex.Text(ui::ControlId::ObjectLabel) != "Object RDFFIX0 at new location.")
        throw std::runtime_error("the plots did not move the fix from ten intersections");
    figures.memory = MemoryOf(trivex.Process().Id());
    ReportExtraModules(trivex.Process().Id(), minimalWindow);

    ShowWindow(trivex.Window(), SW_MINIMIZE);
    rounds.Time(figures.minimised, figures.bareToo);
    trivex.Close();
    PrintPlotFigures(calls, figures);
}

int Run(const std::string& standIn, const std::string& minimalWindow) {
    const com::ComApartment apartment;
    if (ChildProgram(standIn, "/RegServer").WaitForExit() != 0u)
        throw std::runtime_error("cannot register " + standIn);
    {
        standin::StandInControlClient control;
        sim::SimHost data;
        SetUpHostData(data);
        control.LoadScenario(HostDataJson(data));
        TrivexProgram trivex;
        test::WriteWholeFile(trivex.File("Trivex.INI"), BenchSettings(true));
        ReportStartUp(trivex, minimalWindow);
        ReportPlots(trivex, control, minimalWindow);
    }
    ChildProgram(standIn, "/UnregServer").WaitForExit();
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
