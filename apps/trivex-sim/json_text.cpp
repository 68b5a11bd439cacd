#include "json_text.h"

#include <cmath>
#include <cstdio>

#include "support/numeric.h"

namespace trivex::runner {

namespace {

constexpr size_t kLineWidth = 100;
constexpr size_t kIndentStep = 2;

// The length of the UTF-8 sequence that starts at `pos`, or 0 when it is not valid UTF-8.
size_t Utf8Length(const std::string& text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const size_t length = lead < 0x80                   ? 1
                          : lead >= 0xC2 && lead < 0xE0 ? 2
                          : lead >= 0xE0 && lead < 0xF0 ? 3
                          : lead >= 0xF0 && lead < 0xF5 ? 4
                                                        : 0;
    if (length == 0 || pos + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) return 0;
    return length;
}

std::string Escaped(unsigned code) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", code);
    return buffer;
}

void AppendEscaped(std::string& out, char c) {
    switch (c) {
        case '"':
            out += "\\\"";
            return;
        case '\\':
            out += "\\\\";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\t':
            out += "\\t";
            return;
        default:
            break;
    }
    if (static_cast<unsigned char>(c) < 0x20)
        out += Escaped(static_cast<unsigned char>(c));
    else
        out += c;
}

template <typename T>
std::string NumberOrNull(T value) {
    return std::isfinite(value) ? ShortestText(value) : "null";
}

}  // namespace

std::string QuotedJson(const std::string& text) {
    std::string out = "\"";
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = Utf8Length(text, pos);
        if (length == 0) {
            out += Escaped(static_cast<unsigned char>(text[pos]));
            ++pos;
        } else if (length == 1) {
            AppendEscaped(out, text[pos++]);
        } else {
            out.append(text, pos, length);
            pos += length;
        }
    }
    return out + "\"";
}

Json::Json(float value) : value_(Number{NumberOrNull(value)}) {}
Json::Json(double value) : value_(Number{NumberOrNull(value)}) {}

std::string Json::Text() const {
    std::string out;
    Write(out, 0, 0);
    return out + "\n";
}

std::string Json::OneLine() const {
    if (std::holds_alternative<std::nullptr_t>(value_)) return "null";
    if (const bool* flag = std::get_if<bool>(&value_)) return *flag ? "true" : "false";
    if (const Number* number = std::get_if<Number>(&value_)) return number->text;
    if (const std::string* text = std::get_if<std::string>(&value_)) return QuotedJson(*text);
    std::string out;
    if (const Array* items = std::get_if<Array>(&value_)) {
        for (const Json& item : *items) out += (out.empty() ? "" : ", ") + item.OneLine();
        return "[" + out + "]";
    }
    for (const auto& [key, member] : std::get<Object>(value_))
        out += (out.empty() ? "" : ", ") + QuotedJson(key) + ": " + member.OneLine();
    return "{" + out + "}";
}

void Json::Write(std::string& out, size_t indent, size_t column) const {
    const std::string line = OneLine();
    const bool isContainer = std::holds_alternative<Array>(value_) || std::holds_alternative<Object>(value_);
    if (!isContainer || column + line.size() <= kLineWidth) {
        out += line;
        return;
    }
    const std::string inner(indent + kIndentStep, ' ');
    const bool isArray = std::holds_alternative<Array>(value_);
    out += isArray ? "[\n" : "{\n";
    bool first = true;
    auto next = [&] {
        out += first ? inner : ",\n" + inner;
        first = false;
    };
    if (isArray) {
        for (const Json& item : std::get<Array>(value_)) {
            next();
            item.Write(out, inner.size(), inner.size());
        }
    } else {
        for (const auto& [key, member] : std::get<Object>(value_)) {
            next();
            const std::string name = QuotedJson(key) + ": ";
            out += name;
            member.Write(out, inner.size(), inner.size() + name.size());
        }
    }
    out += "\n" + std::string(indent, ' ') + (isArray ? "]" : "}");
}

}  // namespace trivex::runner
