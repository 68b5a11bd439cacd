#include "scenario.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

namespace trivex::standin {

namespace {

using nlohmann::json;

void LoadMap(const json& j, sim::MapView& map) {
    map.widthPixels = j.value("widthPixels", map.widthPixels);
    map.heightPixels = j.value("heightPixels", map.heightPixels);
    map.widthUnits = j.value("widthUnits", map.widthUnits);
    map.heightUnits = j.value("heightUnits", map.heightUnits);
    map.leftEdge = j.value("leftEdge", map.leftEdge);
    map.topEdge = j.value("topEdge", map.topEdge);
}

sim::Station LoadStation(const json& j) {
    sim::Station s;
    s.callsign = j.at("callsign").get<std::string>();
    s.latitude = j.value("latitude", 0.0f);
    s.longitude = j.value("longitude", 0.0f);
    s.infoText1 = j.value("infoText1", "");
    s.infoText2 = j.value("infoText2", "");
    s.infoText3 = j.value("infoText3", "");
    return s;
}

json ArgumentJson(const sim::JournalArg& argument) {
    return std::visit(
        [](const auto& value) -> json {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, sim::ObjectRecord>) {
                return {{"Name", value.Name},
                        {"Latitude", value.Latitude},
                        {"Longitude", value.Longitude},
                        {"Comment", value.Comment},
                        {"SymbolCode", value.SymbolCode},
                        {"SymbolTable", value.SymbolTable},
                        {"Flag", value.Flag},
                        {"Int1", value.Int1},
                        {"Int2", value.Int2}};
            } else {
                return value;
            }
        },
        argument);
}

constexpr const char* kEventNames[] = {"DataAvailable", "NotifyBeacon", "UIView32IsClosing", "MapHasChanged",
                                       "MapRedrawn"};

}  // namespace

void LoadScenario(const std::string& text, sim::SimHost& host) {
    const json j = json::parse(text);
    if (!j.is_object()) throw std::invalid_argument("a scenario is a JSON object");
    if (j.contains("map")) LoadMap(j.at("map"), host.map);
    if (j.contains("stations")) {
        std::vector<sim::Station> stations;
        for (const json& s : j.at("stations")) stations.push_back(LoadStation(s));
        host.stations = std::move(stations);
    }
    if (j.contains("objects")) host.objects = j.at("objects").get<std::vector<std::string>>();
}

std::string JournalJson(const std::vector<sim::JournalEntry>& journal) {
    json entries = json::array();
    for (const sim::JournalEntry& entry : journal) {
        json args = json::array();
        for (const sim::JournalArg& argument : entry.args) args.push_back(ArgumentJson(argument));
        entries.push_back({{"call", entry.call}, {"args", std::move(args)}});
    }
    return entries.dump();
}

sim::Event EventNamed(const std::string& name) {
    for (size_t i = 0; i < std::size(kEventNames); ++i)
        if (name == kEventNames[i]) return static_cast<sim::Event>(i);
    throw std::invalid_argument("no such event: " + name);
}

const char* EventName(sim::Event event) {
    return kEventNames[static_cast<size_t>(event)];
}

}  // namespace trivex::standin
