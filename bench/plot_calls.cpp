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

// Every operation fires DataAvailable, which the program ignores, for this counter.
class OperationCounter : public host::HostEvents {
  public:
    explicit OperationCounter(sim::SimHost& sim) : sim_(sim) {
        sim_.Subscribe(this, false, this);
        for (const char* operation : kOperations) sim_.FireDuring(operation, sim::Event::DataAvailable);
    }
    ~OperationCounter() override { sim_.Unsubscribe(this); }
    void DataAvailable() override { ++count; }
    void NotifyBeacon(const std::string&, float, float) override {}
    void UIView32IsClosing() override {}
    void MapHasChanged() override {}
    void MapRedrawn() override {}
    int count = 0;

  private:
    sim::SimHost& sim_;
};

}  // namespace

PlotCalls CountPlotCalls() {
    sim::SimHost data;
    SetUpHostData(data);
    CountingHost host(data);
    PlotBench bench(data, host);
    for (int n = 0; n < 2; ++n) bench.MoveAndPlot();
    host.calls = {};
    OperationCounter counter(data);
    bench.MoveAndPlot();
    PlotCalls calls = host.calls;
    calls.operations = counter.count;
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
    const sim::MapView& m = data.map;
    const json map = {{"widthPixels", m.widthPixels}, {"heightPixels", m.heightPixels},
                      {"widthUnits", m.widthUnits},   {"heightUnits", m.heightUnits},
                      {"leftEdge", m.leftEdge},       {"topEdge", m.topEdge}};
    return json{{"map", map}, {"stations", stations}}.dump();
}

}  // namespace trivex::bench
