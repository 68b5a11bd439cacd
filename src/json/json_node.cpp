#include "json_node.h"

#include <algorithm>
#include <cmath>

#include "json_text.h"

namespace trivex::json {

namespace {

constexpr size_t kShownLength = 80;

// At most kShownLength bytes, cut where a UTF-8 character starts.
std::string_view CutShort(std::string_view text) {
    if (text.size() <= kShownLength) return text;
    size_t end = kShownLength;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

// Appends the value's compact JSON text, stopping once `out` is longer than kShownLength.
void AppendShown(std::string& out, const nlohmann::json& value) {
    if (value.is_string()) {
        out += Quoted(value.get_ref<const std::string&>());
        return;
    }
    if (!value.is_structured()) {
        out += value.dump();
        return;
    }
    out += value.is_array() ? '[' : '{';
    for (auto item = value.begin(); item != value.end() && out.size() <= kShownLength; ++item) {
        if (item != value.begin()) out += ',';
        if (value.is_object()) out += Quoted(item.key()) + ":";
        AppendShown(out, item.value());
    }
    out += value.is_array() ? ']' : '}';
}

// The value as an error line shows it: its JSON text, cut short.
std::string Shown(const nlohmann::json& value) {
    std::string out;
    AppendShown(out, value);
    const std::string_view cut = CutShort(out);
    return cut.size() < out.size() ? std::string(cut) + "..." : out;
}

}  // namespace

std::string Quoted(std::string_view text) {
    const std::string_view cut = CutShort(text);
    return QuotedJson(std::string(cut)) + (cut.size() < text.size() ? "..." : "");
}

void JsonNode::Fail(const std::string& what) const {
    throw ReadError((path_.empty() ? std::string("the scenario") : path_) + ": " + what);
}

void JsonNode::Expect(bool ok, const char* what) const {
    if (!ok) Fail(std::string("expected ") + what + ", found " + Shown(value_));
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
        if (std::find(names.begin(), names.end(), key) == names.end()) Fail("unknown field " + Quoted(key));
}

std::optional<JsonNode> JsonNode::Field(std::string_view name) const {
    const auto member = value_.find(std::string(name));
    if (member == value_.end()) return std::nullopt;
    return JsonNode(*member, path_.empty() ? std::string(name) : path_ + "." + std::string(name));
}

JsonNode JsonNode::RequiredField(std::string_view name) const {
    auto field = Field(name);
    if (!field) Fail("missing field " + Quoted(name));
    return *field;
}

}  // namespace trivex::json
