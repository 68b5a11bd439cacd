// What every fuzz target shares: reading typed values off the fuzzer's bytes, and checks
// that print what was expected and what came, then abort so that libFuzzer keeps the input.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace trivex::fuzz {

// Hands out the input's bytes front to back; once they run out every value is zero or empty.
class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    template <typename T>
    requires std::is_trivially_copyable_v<T> T Take() {
        T value{};
        const size_t count = std::min(sizeof(T), size_);
        if (count > 0) std::memcpy(&value, data_, count);
        Skip(count);
        return value;
    }

    // A text of up to 255 bytes: a length byte, then the bytes.
    std::string Text() { return Bytes(Take<uint8_t>()); }

    // Everything not yet taken.
    std::string Rest() { return Bytes(size_); }

    bool Empty() const { return size_ == 0; }

  private:
    std::string Bytes(size_t count) {
        count = std::min(count, size_);
        std::string text(reinterpret_cast<const char*>(data_), count);
        Skip(count);
        return text;
    }
    void Skip(size_t count) {
        data_ += count;
        size_ -= count;
    }
    const uint8_t* data_;
    size_t size_;
};

// A blank of the settings file's format: the reader ignores them around lines and values.
inline bool IsProfileBlank(char c) {
    return (c >= '\t' && c <= '\r') || c == '\x1a' || c == ' ';
}

// Bytes as a C literal would write them, so that a failure shows every byte.
inline std::string Escaped(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", c);
            out += code;
        }
    }
    return out;
}

[[noreturn]] inline void Fail(const char* what, std::string_view expected, std::string_view actual) {
    std::fprintf(stderr, "property broken: %s\n  expected: \"%s\"\n  actual:   \"%s\"\n", what,
                 Escaped(expected).c_str(), Escaped(actual).c_str());
    std::abort();
}

inline void Check(bool holds, const char* what) {
    if (!holds) Fail(what, "true", "false");
}

inline void CheckEqual(std::string_view expected, std::string_view actual, const char* what) {
    if (expected != actual) Fail(what, expected, actual);
}

}  // namespace trivex::fuzz
