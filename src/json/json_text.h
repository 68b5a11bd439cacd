// A JSON value built for writing: numbers keep the exact text they are given, so a single
// is written as the shortest text that reads back as that single, not as the double it widens to.
// The JSON library reads scenarios; it would write a single as that double, hence this writer.
#pragma once

#include <concepts>
#include <cstddef>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace trivex::json {

class Json {
  public:
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>;

    Json() = default;  // null
    Json(std::nullptr_t) {}
    Json(bool value) : value_(value) {}
    template <std::integral T>
    Json(T value) : value_(Number{std::to_string(value)}) {}
    // Not-finite values have no JSON form and are written null.
    Json(float value);
    Json(double value);
    Json(const char* text) : value_(std::string(text)) {}
    Json(std::string text) : value_(std::move(text)) {}
    Json(Array items) : value_(std::move(items)) {}
    Json(Object members) : value_(std::move(members)) {}

    // Indented by two blanks; a container that fits a line of 100 characters stays on one line.
    [[nodiscard]] std::string Text() const;
    // Appends the value laid out as Text() lays it out: `indent` is the indentation of the line
    // it starts on, `column` where on that line it starts.
    void Write(std::string& out, size_t indent, size_t column) const;

  private:
    struct Number {
        std::string text;
    };
    // Appends the one-line form, giving up (false) as soon as `out` grows beyond `limit`.
    [[nodiscard]] bool AppendOneLine(std::string& out, size_t limit) const;

    std::variant<std::nullptr_t, bool, Number, std::string, Array, Object> value_;
};

// The text as a JSON string literal; bytes that are not UTF-8 are taken as Latin-1.
[[nodiscard]] std::string QuotedJson(const std::string& text);

}  // namespace trivex::json
