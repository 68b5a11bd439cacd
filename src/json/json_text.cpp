#include "json_text.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "support/numeric.h"

namespace trivex::json {

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
    return std::isfinite(value) ? support::ShortestText(value) : "null";
}

// Appends the text as a JSON string literal, giving up (false) once `out` grows beyond `limit`.
bool AppendQuoted(std::string& out, const std::string& text, size_t limit) {
    out += '"';
    for (size_t pos = 0; pos < text.size() && out.size() <= limit;) {
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
    out += '"';
    return out.size() <= limit;
}

bool IsContainer(const auto& value) {
    return std::holds_alternative<Json::Array>(value) || std::holds_alternative<Json::Object>(value);
}

}  // namespace

std::string QuotedJson(const std::string& text) {
    std::string out;
    AppendQuoted(out, text, std::string::npos);
    return out;
}

Json::Json(float value) : value_(Number{NumberOrNull(value)}) {}
Json::Json(double value) : value_(Number{NumberOrNull(value)}) {}

std::string Json::Text() const {
    std::string out;
    Write(out, 0, 0);
    return out + "\n";
}

bool Json::AppendOneLine(std::string& out, size_t limit) const {
    if (std::holds_alternative<std::nullptr_t>(value_)) {
        out += "null";
    } else if (const bool* flag = std::get_if<bool>(&value_)) {
        out += *flag ? "true" : "false";
    } else if (const Number* number = std::get_if<Number>(&value_)) {
        out += number->text;
    } else if (const std::string* text = std::get_if<std::string>(&value_)) {
        return AppendQuoted(out, *text, limit);
    } else if (const Array* items = std::get_if<Array>(&value_)) {
        out += '[';
        for (size_t i = 0; i < items->size(); ++i) {
            if (i > 0) out += ", ";
            if (!(*items)[i].AppendOneLine(out, limit)) return false;
        }
        out += ']';
    } else {
        out += '{';
        bool first = true;
        for (const auto& [key, member] : std::get<Object>(value_)) {
            if (!std::exchange(first, false)) out += ", ";
            if (!AppendQuoted(out, key, limit)) return false;
            out += ": ";
            if (!member.AppendOneLine(out, limit)) return false;
        }
        out += '}';
    }
    return out.size() <= limit;
}

// A container goes on one line when it fits: trying costs at most a line's worth of text.
void Json::Write(std::string& out, size_t indent, size_t column) const {
    if (!IsContainer(value_)) {
        static_cast<void>(AppendOneLine(out, std::string::npos));  // no limit: it always fits
        return;
    }
    std::string line;
    if (column <= kLineWidth && AppendOneLine(line, kLineWidth - column)) {
        out += line;
        return;
    }
    const std::string inner(indent + kIndentStep, ' ');
    const bool isArray = std::holds_alternative<Array>(value_);
    out += isArray ? "[\n" : "{\n";
    bool first = true;
    auto next = [&] {
        if (!std::exchange(first, false)) out += ",\n";
        out += inner;
    };
    if (isArray) {
        for (const Json& item : std::get<Array>(value_)) {
            next();
            item.Write(out, inner.size(), inner.size());
        }
    } else {
        for (const auto& [key, member] : std::get<Object>(value_)) {
            next();
            const size_t nameStart = out.size();
            AppendQuoted(out, key, std::string::npos);
            out += ": ";
            member.Write(out, inner.size(), inner.size() + out.size() - nameStart);
        }
    }
    out.append("\n").append(indent, ' ').append(isArray ? "]" : "}");
}

}  // namespace trivex::json
