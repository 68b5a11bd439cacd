// Google Benchmark figures of the program's main operations on the in-process hosts.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench_world.h"
#include "plot/df_reading.h"
#include "plot/intersection.h"

namespace trivex::bench {
namespace {

// A full plot on the simulated host: the program and the host's own work (its drawing
// records, great-circle arithmetic and journal, which is emptied after every plot).
void BM_FullPlotOnSimulatedHost(benchmark::State& state) {
    sim::SimHost data;
    SetUpHostData(data);
    PlotBench bench(data, data);
    for (auto _ : state) {
        bench.MoveAndPlot();
        data.TakeJournal();
    }
    if (!bench.ShowsTenIntersections()) state.SkipWithError("not ten intersections");
}
BENCHMARK(BM_FullPlotOnSimulatedHost);

// The same plots on a host that does no work of its own: the program's own work, at most.
void BM_FullPlotOnCannedHost(benchmark::State& state) {
    sim::SimHost data;
    SetUpHostData(data);
    CannedHost host(data, RecordDistanceAnswers(2));
    PlotBench bench(data, host);
    for (auto _ : state) bench.MoveAndPlot();
    if (!bench.ShowsTenIntersections()) state.SkipWithError("not ten intersections");
}
BENCHMARK(BM_FullPlotOnCannedHost);

// One pair of stations through the intersection check, on the host that does no work.
void BM_IntersectionCheck(benchmark::State& state) {
    sim::SimHost data;
    SetUpHostData(data);
    plot::StationTable stations;
    for (int i = 0; i < plot::kStationCount; ++i) {
        const sim::Station& s = data.stations[i];
        stations[i] = {s.callsign, s.latitude, s.longitude, plot::ParseDfText(s.infoText3).bearing, 0};
    }
    const auto simApp = data.NewApplication();
    const auto simMap = simApp->GetMap();
    plot::PlotMap simPlotMap(*simMap, 1);
    if (!plot::IntersectPair(stations, 0, 1, simPlotMap, *simApp, 50000.0).accepted) std::abort();

    CannedHost host(data, DistanceAnswersOf(data));
    const auto app = host.NewApplication();
    const auto map = app->GetMap();
    plot::PlotMap plotMap(*map, 1);  // the view is read once per plot
    for (auto _ : state)
        benchmark::DoNotOptimize(plot::IntersectPair(stations, 0, 1, plotMap, *app, 50000.0));
}
BENCHMARK(BM_IntersectionCheck);

// The DF text of a station report.
void BM_ReportParse(benchmark::State& state) {
    const std::string text = "DF report %142%004";
    for (auto _ : state) benchmark::DoNotOptimize(plot::ParseDfText(text));
}
BENCHMARK(BM_ReportParse);

// A start-up whose rows are empty, so that it asks the host about no station: the settings read, with
// the little else start-up does (title and paths, the two refusal checks, connecting).
void BM_LoadSettings(benchmark::State& state) {
    sim::SimHost data;
    CannedHost host(data, {});
    for (auto _ : state) {
        ui::MemoryView view;
        ui::MemoryPlatform platform;
        platform.PutFile("C:\\Trivex\\Trivex.INI", BenchSettings(false));
        ui::MainWindow window(view, platform, host);
        benchmark::DoNotOptimize(window.Startup());
    }
}
BENCHMARK(BM_LoadSettings);

// A whole start-up on the simulated host, the five station reports included.
void BM_StartUp(benchmark::State& state) {
    sim::SimHost data;
    SetUpHostData(data);
    for (auto _ : state) {
        PlotBench bench(data, data);
        data.TakeJournal();
    }
}
BENCHMARK(BM_StartUp);

}  // namespace
}  // namespace trivex::bench

BENCHMARK_MAIN();
