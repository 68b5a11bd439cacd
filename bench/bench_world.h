// The world of the benchmarks: five DF stations around one transmitter whose bearings are
// pairwise far enough apart that all ten intersections are accepted, on the simulated host,
// and a host that answers the same questions without doing any work of its own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/sim/sim_host.h"
#include "ui/main_window.h"
#include "ui/memory/memory_platform.h"
#include "ui/memory/memory_view.h"

namespace trivex::bench {

// The stations and the map view of the benchmarks.
void SetUpHostData(sim::SimHost& data);

// A complete settings file: the 50 km ignore distance and the stations' call-signs in the
// rows, or rows left empty, so that start-up asks the host about no station.
std::string BenchSettings(bool callSigns);

// The program started on a host whose stations and map are those of `data`.
class PlotBench {
  public:
    PlotBench(sim::SimHost& data, host::Host& host);
    // Moves the first station between two places, so that every plot moves the fix object
    // too, then plots: the whole road of a plot.
    void MoveAndPlot();
    // What the window shows: ten accepted intersections, a solution and a placed object.
    bool ShowsTenIntersections();

  private:
    sim::SimHost& data_;
    ui::MemoryView view_;
    ui::MemoryPlatform platform_;
    ui::MainWindow window_;
    bool moved_ = false;
};

// One answer of the host's distance and bearing calculation, with the question.
struct DistanceAnswer {
    double lat1, lon1, lat2, lon2;
    host::DistanceBearing result;
};

// The distance questions in the simulated host's journal, with its answers, in order.
std::vector<DistanceAnswer> DistanceAnswersOf(const sim::SimHost& host);

// What the simulated host answers to the distance questions of `plots` calls of MoveAndPlot
// after start-up, in order.
std::vector<DistanceAnswer> RecordDistanceAnswers(int plots);

// A host that answers from the data of a simulated host and from recorded distance answers,
// which it hands out in turn, over and over; it draws nothing and records nothing. A plot on
// it costs the program's own work plus the least any host costs: the virtual calls, the
// host objects and the texts and lists it returns. A question out of turn aborts.
class CannedHost : public host::Host {
  public:
    CannedHost(sim::SimHost& data, std::vector<DistanceAnswer> answers);
    std::unique_ptr<host::UivApplication> NewApplication() override;
    std::unique_ptr<host::UivStationInfo> NewStationInfo() override;
    std::unique_ptr<host::UivObject> NewObject() override;

    sim::SimHost& data;  // its stations are handed back as the station information
    host::DistanceBearing Answer(double lat1, double lon1, double lat2, double lon2);

  private:
    std::vector<DistanceAnswer> answers_;
    size_t next_ = 0;
};

}  // namespace trivex::bench
