#include "data_json.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "simkit/scenario.h"

namespace trivex::standin {

namespace {

using nlohmann::json;

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
    const simkit::Scenario scenario = simkit::ReadScenario(text);
    // The reader fills in what the text leaves out; only the parts it names replace the host's.
    const json named = json::parse(text);
    if (named.contains("map")) host.map = scenario.map;
    if (named.contains("stations")) host.stations = scenario.stations;
    if (named.contains("objects")) host.objects = scenario.objects;
    for (const sim::CallEvent& rule : scenario.eventsDuringCalls) host.FireDuring(rule);
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
