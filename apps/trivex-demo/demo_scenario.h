// The world of the demo: a scenario file beside the executable, else the built-in one.
#pragma once

#include <string>

#include "simkit/scenario.h"
#include "ui/platform.h"

namespace trivex::demo {

// Five DF stations around one transmitter west of London, their rows in the settings.
extern const char* const kBuiltInScenario;

// The scenario in the file, or the built-in one when there is no file. Throws
// simkit::ScenarioError, naming the file, when it cannot be read or is not a valid scenario.
[[nodiscard]] simkit::Scenario LoadScenario(const std::string& path, const settings::FileRead& file);

// Gives the simulated host the scenario's map view, stations, objects and events during calls.
void PrepareHost(const simkit::Scenario& scenario, sim::SimHost& host);

}  // namespace trivex::demo
