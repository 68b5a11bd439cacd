#include "json_node.h"

#include <algorithm>
#include <cmath>

#include "scenario.h"

namespace trivex::runner {

void JsonNode::Fail(const std::string& what) const {
    throw ScenarioError((path_.empty() ? std::string("the scenario") : path_) + ": " + what);
}

void JsonNode::Expect(bool ok, const char* what) const {
    if (!ok) Fail(std::string("expected ") + what + ", found " + value_.dump());
}

std::string JsonNode::String() const {
    Expect(value_.is_string(), "a text");
    return value_.get<std::string>();
}

bool JsonNode::Bool() const {
    Expect(value_.is_boolean(), "true or false");
    return value_.get<bool>();
}

int64_t JsonNode::Integer(int64_t min, int64_t max) const {
    const std::string what = "a whole number from " + std::to_string(min) + " to " + std::to_string(max);
    Expect(value_.is_number(), what.c_str());
    const double value = value_.get<double>();
    const bool whole = value_.is_number_integer() || std::trunc(value) == value;
    Expect(whole && value >= static_cast<double>(min) && value <= static_cast<double>(max), what.c_str());
    return value_.is_number_unsigned()  ? static_cast<int64_t>(value_.get<uint64_t>())
           : value_.is_number_integer() ? value_.get<int64_t>()
                                        : static_cast<int64_t>(value);
}

float JsonNode::Single() const {
    Expect(value_.is_number(), "a number");
    const auto value = static_cast<float>(value_.get<double>());
    Expect(std::isfinite(value), "a number within the range of a single");
    return value;
}

std::vector<JsonNode> JsonNode::Items() const {
    Expect(value_.is_array(), "a list");
    std::vector<JsonNode> items;
    for (size_t i = 0; i < value_.size(); ++i)
        items.emplace_back(value_[i], path_ + "[" + std::to_string(i) + "]");
    return items;
}

void JsonNode::ExpectObject() const {
    Expect(value_.is_object(), "an object");
}

void JsonNode::ExpectFields(std::initializer_list<std::string_view> names) const {
    ExpectObject();
    for (const auto& [key, member] : value_.items())
        if (std::find(names.begin(), names.end(), key) == names.end()) Fail("unknown field \"" + key + "\"");
}

std::optional<JsonNode> JsonNode::Field(std::string_view name) const {
    const auto member = value_.find(std::string(name));
    if (member == value_.end()) return std::nullopt;
    return JsonNode(*member, path_.empty() ? std::string(name) : path_ + "." + std::string(name));
}

JsonNode JsonNode::RequiredField(std::string_view name) const {
    auto field = Field(name);
    if (!field) Fail("missing field \"" + std::string(name) + "\"");
    return *field;
}

}  // namespace trivex::runner
