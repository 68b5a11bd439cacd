// The actions of a scenario, each read from its object ({"do": "type", "row": 1, ...}).
#pragma once

#include "json/json_node.h"
#include "scenario.h"

namespace trivex::simkit {

Action ReadAction(const json::JsonNode& node);

}  // namespace trivex::simkit
