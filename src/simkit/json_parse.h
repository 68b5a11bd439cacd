// The JSON text of a scenario as a document. Refused besides what is not JSON: a field named
// twice in one object, which the JSON library would take silently, the last one winning, and
// values nested so deep that walking them would overflow the stack.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>

namespace trivex::simkit {

inline constexpr size_t kMaxJsonDepth = 64;

// Throws ScenarioError.
[[nodiscard]] nlohmann::json ParseScenarioJson(const std::string& text);

}  // namespace trivex::simkit
