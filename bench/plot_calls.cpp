#include "plot_calls.h"

#include <nlohmann/json.hpp>

#include "bench_world.h"

namespace trivex::bench {

namespace {

// Every operation of the host interface, by the names the simulated host checks failures
// and fires events under (a station's and an object record's position share two names).
constexpr const char* kOperations[] = {
    // the application
    "CalcDistanceBearing", "GetStationInfo", "GetMap", "GetObjectList", "AddObject", "DeleteObject",
    // the map
    "DrawCircle", "GetHeightPixels", "GetWidthPixels", "GetHeightUnits", "GetLeftEdge", "GetWidthUnits",
    "DrawLine", "SetLineWidth", "SetMarkerStyle", "SetMarkerColour",
    // station information and object records
    "Callsign", "InfoText1", "InfoText2", "InfoText3", "Longitude", "Latitude", "Flag", "Int1", "Int2",
    "Name", "SymbolCode", "Comment", "SymbolTable"};

class CountingHost : public host::Host {
  public:
    explicit CountingHost(sim::SimHost& sim) : sim_(sim) {}
    std::unique_ptr<host::UivApplication> NewApplication() override {
        ++calls.applications;
        return sim_.NewApplication();
    }
    std::unique_ptr<host::UivStationInfo> NewStationInfo() override {
        ++calls.stationInfos;
        return sim_.NewStationInfo();
    }
    std::unique_ptr<host::UivObject> NewObject() override {
        ++calls.records;
        return sim_.NewObject();
    }
    PlotCalls calls;

  private:
    sim::SimHost& sim_;
};

// Counts the calls of the operation for as long as it lives.
class OperationCounter {
  public:
    OperationCounter(sim::SimHost& sim, const char* operation) : sim_(sim) {
        sim_.AfterEveryCall([this, operation](const std::string& call) { count += call == operation; });
    }
    OperationCounter(const OperationCounter&) = delete;
    OperationCounter& operator=(const OperationCounter&) = delete;
    ~OperationCounter() { sim_.AfterEveryCall({}); }
    int count = 0;

  private:
    sim::SimHost& sim_;
};

// The calls of the operation in the measured plot, with the objects that plot creates.
PlotCalls CountCallsOf(const char* operation) {
    sim::SimHost data;
    SetUpHostData(data);
    CountingHost host(data);
    PlotBench bench(data, host);
    for (int n = 0; n < 2; ++n) bench.MoveAndPlot();
    host.calls = {};
    OperationCounter counter(data, operation);
    bench.MoveAndPlot();
    PlotCalls calls = host.calls;
    calls.operations = counter.count;
    return calls;
}

}  // namespace

PlotCalls CountPlotCalls() {
    PlotCalls calls;
    for (const char* operation : kOperations) {
        const PlotCalls of = CountCallsOf(operation);
        calls.applications = of.applications;
        calls.stationInfos = of.stationInfos;
        calls.records = of.records;
        if (of.operations == 0) continue;
        calls.operations += of.operations;
        calls.byOperation.emplace_back(operation, of.operations);
    }
    return calls;
}

std::string HostDataJson(const sim::SimHost& data) {
    using nlohmann::json;
    json stations = json::array();
    for (const sim::Station& s : data.stations)
        stations.push_back({{"callsign", s.callsign},
                            {"latitude", s.latitude},
                            {"longitude", s.longitude},
                            {"infoText1", s.infoText1},
                            {"infoText2", s.infoText2},
                            {"infoText3", s.infoText3}});
    const sim::MapArea& m = data.map;
    const json map = {{"widthPixels", m.widthPixels}, {"heightPixels", m.heightPixels},
                      {"widthUnits", m.widthUnits},   {"heightUnits", m.heightUnits},
                      {"leftEdge", m.leftEdge},       {"topEdge", m.topEdge}};
    return json{{"map", map}, {"stations", stations}}.dump();
}

}  // namespace trivex::bench
