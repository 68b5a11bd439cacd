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
                json fields;
                sim::ForEachField(value,
                                  [&fields](const char* name, const auto& field) { fields[name] = field; });
                return fields;
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
    simkit::PrepareHost(simkit::ReadScenario(text), host);
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
