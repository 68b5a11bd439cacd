// The stand-in's data and journal as JSON texts.
//
// A scenario is a scenario file of trivex-sim, read by its reader; the stand-in takes the
// host's part and leaves the rest (settings, actions, ...) to whoever drives the program.
// Each of "map", "stations" and "objects" that it holds replaces that part of the simulated
// host's data (a member of "map" left out takes the simulated host's default); the parts it
// leaves out keep their values. "eventsDuringCalls" adds to the events already set to fire.
#pragma once

#include <string>
#include <vector>

#include "host/sim/sim_host.h"

namespace trivex::standin {

// Throws simkit::ScenarioError on a malformed scenario.
void LoadScenario(const std::string& json, sim::SimHost& host);

// The journal as a JSON array of {"call": name, "args": [...]}.
[[nodiscard]] std::string JournalJson(const std::vector<sim::JournalEntry>& journal);

// Throws std::invalid_argument for a name that is not one of the host's events.
[[nodiscard]] sim::Event EventNamed(const std::string& name);
[[nodiscard]] const char* EventName(sim::Event event);

}  // namespace trivex::standin
