// One full plot for callgrind to count: `valgrind --tool=callgrind --toggle-collect='*MeasuredPlot*'
// trivex-plot-count sim|canned` counts the instructions of the one plot on the simulated host or
// on the host that does no work of its own (see bench_world.h). Start-up and two plots before
// it warm up caches and allocations; the measured plot moves the fix object like every plot.
#include <cstdio>
#include <cstring>

#include "bench_world.h"

namespace trivex::bench {

[[gnu::noinline]] void MeasuredPlot(PlotBench& bench) {
    bench.MoveAndPlot();
}

int Count(bool canned) {
    sim::SimHost data;
    SetUpHostData(data);
    CannedHost cannedHost(data, RecordDistanceAnswers(2));
    PlotBench bench(data, canned ? static_cast<host::Host&>(cannedHost) : data);
    for (int n = 0; n < 2; ++n) bench.MoveAndPlot();
    data.TakeJournal();
    MeasuredPlot(bench);
    if (!bench.ShowsTenIntersections()) {
        std::fprintf(stderr, "the measured plot did not show ten intersections\n");
        return 1;
    }
    return 0;
}

}  // namespace trivex::bench

int main(int argc, char** argv) {
    const bool canned = argc == 2 && std::strcmp(argv[1], "canned") == 0;
    if (argc != 2 || (!canned && std::strcmp(argv[1], "sim") != 0)) {
        std::fprintf(stderr, "usage: trivex-plot-count sim|canned\n");
        return 2;
    }
    return trivex::bench::Count(canned);
}
