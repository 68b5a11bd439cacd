// The settings file's INI format, over the file's bytes: what GetPrivateProfileStringA and
// WritePrivateProfileStringA return and write, byte for byte as Wine's kernel32 does it. A file
// is ANSI, or UTF-8 or UTF-16 (either byte order) when it starts with that mark, and is written
// back as it was. A file is read afresh on every call, as Wine does for a file written moments ago.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace trivex::settings {

// How the ANSI functions turn names and values into the characters of a UTF-16 file and back:
// by the system's ANSI code page.
class AnsiCodePage {
  public:
    [[nodiscard]] virtual std::u16string ToUtf16(std::string_view text) const = 0;
    [[nodiscard]] virtual std::string FromUtf16(std::u16string_view text) const = 0;

  protected:
    ~AnsiCodePage() = default;
};

// The text GetPrivateProfileStringA(section, key, defaultValue, buffer of bufferSize characters)
// leaves in the buffer, its length being the count returned. A missing file is empty bytes.
[[nodiscard]] std::string ProfileReadString(std::string_view fileBytes, std::string_view section,
                                            std::string_view key, std::string_view defaultValue,
                                            const AnsiCodePage& codePage, size_t bufferSize = 500);

// The whole new content of the file after WritePrivateProfileStringA(section, key, value), or
// nothing when the file is left as it is (the key already holds exactly that value).
[[nodiscard]] std::optional<std::string> ProfileWriteString(std::string_view fileBytes,
                                                            std::string_view section, std::string_view key,
                                                            std::string_view value,
                                                            const AnsiCodePage& codePage);

}  // namespace trivex::settings
