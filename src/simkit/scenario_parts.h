// Readers of the parts of a scenario that both the scenario and its actions hold.
#pragma once

#include <string>
#include <vector>

#include "json/json_node.h"
#include "scenario.h"

namespace trivex::simkit {

[[nodiscard]] int32_t ReadInt32(const json::JsonNode& node);
// The name of an operation of the simulated host ("GetStationInfo", "DrawLine", ...).
[[nodiscard]] std::string ReadHostCall(const json::JsonNode& node);
// "dataAvailable", "mapRedrawn", "mapChanged" or "hostClosing".
[[nodiscard]] sim::Event ReadEventName(const json::JsonNode& node);
// Omitted fields take the defaults of the simulated host's view.
[[nodiscard]] sim::MapArea ReadMapArea(const json::JsonNode& node);
[[nodiscard]] std::vector<sim::Station> ReadStations(const json::JsonNode& node);
[[nodiscard]] std::vector<std::string> ReadTexts(const json::JsonNode& node);
// "map", "stations" and "objects" of the node, each when given.
[[nodiscard]] HostData ReadHostData(const json::JsonNode& node);

}  // namespace trivex::simkit
