// What a full plot of the benchmarks asks of the host, counted on the simulated host: the
// calls of host operations (each one round trip to a host server) and the host objects it
// creates. The Wine benchmark makes the same number of bare round trips to compare with.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/sim/sim_host.h"

namespace trivex::bench {

struct PlotCalls {
    int operations = 0;
    std::vector<std::pair<std::string, int>> byOperation;  // those the plot calls, in interface order
    int applications = 0;
    int stationInfos = 0;
    int records = 0;
};

// The calls of one MoveAndPlot after start-up and two plots.
PlotCalls CountPlotCalls();

// The host's part of a scenario as the stand-in server loads it: the map view and the stations.
std::string HostDataJson(const sim::SimHost& data);

}  // namespace trivex::bench
