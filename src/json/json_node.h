// Reading a JSON document field by field; every failure names the field at fault.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace trivex::json {

// A document that cannot be read; the text names the value at fault.
class ReadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One value of the document and the path that names it ("actions[2].row").
class JsonNode {
  public:
    JsonNode(const nlohmann::json& value, std::string path) : value_(value), path_(std::move(path)) {}

    [[nodiscard]] std::string String() const;
    [[nodiscard]] bool Bool() const;
    [[nodiscard]] int64_t Integer(int64_t min, int64_t max) const;
    [[nodiscard]] float Single() const;
    [[nodiscard]] std::vector<JsonNode> Items() const;

    void ExpectObject() const;
    // Fails unless the value is an object whose fields are all among the names.
    void ExpectFields(std::initializer_list<std::string_view> names) const;
    [[nodiscard]] std::optional<JsonNode> Field(std::string_view name) const;
    [[nodiscard]] JsonNode RequiredField(std::string_view name) const;

    // Throws ReadError naming this value.
    [[noreturn]] void Fail(const std::string& what) const;

  private:
    void Expect(bool ok, const char* what) const;
    const nlohmann::json& value_;
    std::string path_;
};

// A text of the scenario as an error line shows it: quoted, control characters escaped, and
// cut short after about 80 characters.
[[nodiscard]] std::string Quoted(std::string_view text);

}  // namespace trivex::json
