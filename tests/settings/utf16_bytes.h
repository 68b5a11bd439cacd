// Settings files in UTF-16 for the tests: the byte-order mark, then the text in that order.
#pragma once

#include <string>
#include <string_view>

namespace trivex::settings {

inline std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t c : text) {
        bytes += static_cast<char>(bigEndian ? c >> 8 : c & 0xFF);
        bytes += static_cast<char>(bigEndian ? c & 0xFF : c >> 8);
    }
    return bytes;
}

}  // namespace trivex::settings
