#include "bench_world.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "geometry/great_circle.h"

namespace trivex::bench {

namespace {

constexpr float kTargetLat = 3000.0f;  // minutes: 50 degrees north
constexpr float kTargetLon = 60.0f;
constexpr double kStationPixels = 100;  // from the target on the map
constexpr float kMovedLatitude = 0.5f;  // how far MoveAndPlot moves the first station

// Every pair at least 36 degrees apart on the map, none both north-south or both east-west.
constexpr int16_t kBearings[plot::kStationCount] = {10, 226, 82, 298, 154};

std::string ThreeDigits(int value) {
    std::string text = std::to_string(value);
    return std::string(3 - text.size(), '0') + text;
}

class CannedMap : public host::UivMap {
  public:
    explicit CannedMap(const sim::MapArea& view) : view_(view) {}
    void DrawCircle(float, float, float, host::Colour, double, double, float) override {}
    int16_t GetHeightPixels() override { return view_.heightPixels; }
    int16_t GetWidthPixels() override { return view_.widthPixels; }
    float GetHeightUnits() override { return view_.heightUnits; }
    float GetLeftEdge() override { return view_.leftEdge; }
    float GetWidthUnits() override { return view_.widthUnits; }
    void DrawLine(float, float, float, float, host::Colour, int16_t) override {}
    void SetLineWidth(int16_t) override {}
    void SetMarkerStyle(int16_t) override {}
    void SetMarkerColour(host::Colour) override {}
    void Subscribe(host::HostEvents*) override {}

  private:
    const sim::MapArea& view_;
};

class CannedObject : public host::UivObject {
  public:
    void SetFlag(bool) override {}
    void SetInt1(int16_t) override {}
    void SetInt2(int16_t) override {}
    void SetName(const std::string&) override {}
    void SetSymbolCode(const std::string&) override {}
    void SetLatitude(float) override {}
    void SetLongitude(float) override {}
    void SetComment(const std::string&) override {}
    void SetSymbolTable(const std::string&) override {}
};

class CannedApplication : public host::UivApplication {
  public:
    explicit CannedApplication(CannedHost& host) : host_(host) {}
    host::DistanceBearing CalcDistanceBearing(double lat1, double lon1, double lat2, double lon2,
                                              bool) override {
        return host_.Answer(lat1, lon1, lat2, lon2);
    }
    bool GetStationInfo(host::UivStationInfo& info) override {
        auto& asked = static_cast<sim::StationRecord&>(info);
        std::vector<sim::Station>& stations = host_.data.stations;
        const auto found = std::ranges::find(stations, asked.record->callsign, &sim::Station::callsign);
        if (found == stations.end()) return false;
        asked.record = &*found;
        return true;
    }
    std::unique_ptr<host::UivMap> GetMap() override { return std::make_unique<CannedMap>(host_.data.map); }
    std::vector<std::string> GetObjectList() override { return {std::string()}; }
    int16_t AddObject(host::UivObject&) override { return 0; }
    int16_t DeleteObject(const std::string&, bool) override { return 0; }
    void Subscribe(host::HostEvents*) override {}

  private:
    CannedHost& host_;
};

}  // namespace

void SetUpHostData(sim::SimHost& data) {
    data.map = sim::MapArea{800, 600, 120.0f, -60.0f, 0.0f, 60.0f};
    const double minutesPerPixelX = data.map.widthUnits / data.map.widthPixels;
    const double minutesPerPixelY = -data.map.heightUnits / data.map.heightPixels;
    data.stations.clear();
    for (int i = 0; i < plot::kStationCount; ++i) {
        // Placed so that the bearing line, as drawn on the map, runs through the target.
        const double angle = kBearings[i] * std::numbers::pi / 180;
        sim::Station station;
        station.callsign = "DF" + std::to_string(i + 1);
        station.latitude =
            static_cast<float>(kTargetLat - kStationPixels * std::cos(angle) * minutesPerPixelY);
        station.longitude =
            static_cast<float>(kTargetLon - kStationPixels * std::sin(angle) * minutesPerPixelX);
        station.infoText1 = station.callsign + " DF station";
        station.infoText2 = "Last heard 14:02:11 via RF";
        station.infoText3 = "DF report %" + ThreeDigits(kBearings[i]) + "%005";
        data.stations.push_back(station);
    }
}

std::string BenchSettings(bool callSigns) {
    // Item 4 of the ignore-distance menu: 50 km.
    std::string settings =
        "[SETUP]\r\nLEFT=600\r\nTOP=450\r\nMINIMIZED=FALSE\r\nPlotLineThickness=1\r\nIgnoreDistance=4\r\n"
        "ReplotAfterMapIsRedrawn=FALSE\r\n";
    for (int i = 1; i <= plot::kStationCount; ++i)
        settings +=
            "CallSign" + std::to_string(i) + "=" + (callSigns ? "DF" + std::to_string(i) : "") + "\r\n";
    return settings;
}

PlotBench::PlotBench(sim::SimHost& data, host::Host& host) : data_(data), window_(view_, platform_, host) {
    platform_.PutFile("C:\\Trivex\\Trivex.INI", BenchSettings(true));
    if (!window_.Startup() || !view_.Messages().empty()) std::abort();
}

void PlotBench::MoveAndPlot() {
    moved_ = !moved_;
    data_.stations[0].latitude += moved_ ? kMovedLatitude : -kMovedLatitude;
    window_.OnCommand(ui::Command::Plot);
}

bool PlotBench::ShowsTenIntersections() {
    return view_.Text(ui::ControlId::IntersectionCount) == "first 5 of 10 intersections" &&
           view_.Messages().empty() &&
           view_.Text(ui::ControlId::ObjectLabel) == "Object RDFFIX0 at new location.";
}

std::vector<DistanceAnswer> RecordDistanceAnswers(int plots) {
    sim::SimHost data;
    SetUpHostData(data);
    PlotBench bench(data, data);
    data.TakeJournal();
    for (int n = 0; n < plots; ++n) bench.MoveAndPlot();
    return DistanceAnswersOf(data);
}

std::vector<DistanceAnswer> DistanceAnswersOf(const sim::SimHost& host) {
    std::vector<DistanceAnswer> answers;
    for (const sim::JournalEntry& entry : host.Journal()) {
        if (entry.call != "CalcDistanceBearing") continue;
        DistanceAnswer answer{std::get<double>(entry.args[0]),
                              std::get<double>(entry.args[1]),
                              std::get<double>(entry.args[2]),
                              std::get<double>(entry.args[3]),
                              {}};
        const geometry::GreatCircleLeg leg =
            geometry::GreatCircle(answer.lat1, answer.lon1, answer.lat2, answer.lon2);
        answer.result = {leg.distanceKm, leg.bearingDegrees};
        answers.push_back(answer);
    }
    return answers;
}

CannedHost::CannedHost(sim::SimHost& source, std::vector<DistanceAnswer> answers)
    : data(source), answers_(std::move(answers)) {}

std::unique_ptr<host::UivApplication> CannedHost::NewApplication() {
    return std::make_unique<CannedApplication>(*this);
}
std::unique_ptr<host::UivStationInfo> CannedHost::NewStationInfo() {
    return std::make_unique<sim::StationRecord>();
}
std::unique_ptr<host::UivObject> CannedHost::NewObject() {
    return std::make_unique<CannedObject>();
}

host::DistanceBearing CannedHost::Answer(double lat1, double lon1, double lat2, double lon2) {
    const DistanceAnswer& answer = answers_.at(next_);
    if (answer.lat1 != lat1 || answer.lon1 != lon1 || answer.lat2 != lat2 || answer.lon2 != lon2)
        std::abort();
    next_ = (next_ + 1) % answers_.size();
    return answer.result;
}

}  // namespace trivex::bench
