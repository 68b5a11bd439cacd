// What every fuzz target shares: reading typed values off the fuzzer's bytes, and checks
// that print what was expected and what came, then abort so that libFuzzer keeps the input.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace trivex::fuzz {

// Hands out the input's bytes front to back; once they run out every value is zero or empty.
class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    template <typename T>
    T Take() {
        T value{};
        const std::string bytes = Bytes(sizeof value);
        std::memcpy(&value, bytes.data(), bytes.size());
        return value;
    }
    // A text of up to 255 bytes: a length byte, then the bytes.
    std::string Text() { return Bytes(Take<uint8_t>()); }
    std::string Rest() { return Bytes(rest_.size()); }
    bool Empty() const { return rest_.empty(); }

  private:
    // The next `count` bytes, or as many as are left.
    std::string Bytes(size_t count) {
        std::string bytes(rest_.substr(0, count));
        rest_.remove_prefix(bytes.size());
        return bytes;
    }
    std::string_view rest_;
};

inline std::string ThreeDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", value);
    return text;
}

// Without the blanks that the settings file's reader ignores around lines and values.
inline std::string TrimProfileBlanks(std::string text) {
    auto blank = [](char c) { return (c >= '\t' && c <= '\r') || c == '\x1a' || c == ' '; };
    while (!text.empty() && blank(text.back())) text.pop_back();
    return text.erase(0, std::find_if_not(text.begin(), text.end(), blank) - text.begin());
}

// Bytes as a C literal would write them, so that a failure shows every byte.
inline std::string Escaped(std::string_view text) {
    std::string out;
    for (const unsigned char c : text) {
        char code[8];
        std::snprintf(code, sizeof code, c >= 0x20 && c < 0x7f && c != '\\' ? "%c" : "\\x%02X", c);
        out += code;
    }
    return out;
}

inline void CheckEqual(std::string_view expected, std::string_view actual, const char* what) {
    if (expected == actual) return;
    std::fprintf(stderr, "property broken: %s\n  expected: \"%s\"\n  actual:   \"%s\"\n", what,
                 Escaped(expected).c_str(), Escaped(actual).c_str());
    std::abort();
}

inline void Check(bool holds, const char* what) {
    CheckEqual("true", holds ? "true" : "false", what);
}

}  // namespace trivex::fuzz
