// A JSON text as a document. Refused besides what is not JSON: a field named
// twice in one object, which the JSON library would take silently, the last one winning, and
// values nested so deep that walking them would overflow the stack.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>

#include "json_node.h"

namespace trivex::json {

inline constexpr size_t kMaxJsonDepth = 64;

// Throws ReadError.
[[nodiscard]] nlohmann::json ParseDocument(const std::string& text);

}  // namespace trivex::json
