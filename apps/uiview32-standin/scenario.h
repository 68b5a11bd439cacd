// The stand-in's data and journal as JSON texts.
//
// A scenario is a JSON object whose members replace the simulated host's data; data it
// leaves out, including single members of "map", keeps its value:
//   "map": {"widthPixels", "heightPixels", "widthUnits", "heightUnits", "leftEdge", "topEdge"},
//   "stations": [{"callsign", "latitude", "longitude", "infoText1", "infoText2", "infoText3"}],
//   "objects": ["*NAME", ...] (the host's object list texts).
#pragma once

#include <string>
#include <vector>

#include "host/sim/sim_host.h"

namespace trivex::standin {

// Throws std::exception (nlohmann::json::exception) on a malformed scenario.
void LoadScenario(const std::string& json, sim::SimHost& host);

// The journal as a JSON array of {"call": name, "args": [...]}.
std::string JournalJson(const std::vector<sim::JournalEntry>& journal);

// Throws std::invalid_argument for a name that is not one of the host's events.
sim::Event EventNamed(const std::string& name);
const char* EventName(sim::Event event);

}  // namespace trivex::standin
