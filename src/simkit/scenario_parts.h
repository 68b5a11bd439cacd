// Readers of the parts of a scenario that both the scenario and its actions hold.
#pragma once

#include <string>
#include <vector>

#include "json_node.h"
#include "scenario.h"

namespace trivex::simkit {

[[nodiscard]] int32_t ReadInt32(const JsonNode& node);
// The name of an operation of the simulated host ("GetStationInfo", "DrawLine", ...).
[[nodiscard]] std::string ReadHostCall(const JsonNode& node);
// "dataAvailable", "mapRedrawn", "mapChanged" or "hostClosing".
[[nodiscard]] sim::Event ReadEventName(const JsonNode& node);
// Omitted fields take the defaults of the simulated host's view.
[[nodiscard]] sim::MapView ReadMapView(const JsonNode& node);
[[nodiscard]] std::vector<sim::Station> ReadStations(const JsonNode& node);
[[nodiscard]] std::vector<std::string> ReadTexts(const JsonNode& node);
[[nodiscard]] Action ReadAction(const JsonNode& node);

}  // namespace trivex::simkit
