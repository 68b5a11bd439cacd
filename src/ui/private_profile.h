// The settings file's INI format, over the file's bytes: what GetPrivateProfileStringA and
// WritePrivateProfileStringA return and write, byte for byte as Wine's kernel32 does it for an
// ANSI file. A file is read afresh on every call, as Wine does for a file written moments ago.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace trivex {

// The text GetPrivateProfileStringA(section, key, defaultValue, buffer of bufferSize characters)
// leaves in the buffer, its length being the count returned. A missing file is empty bytes.
std::string ProfileReadString(std::string_view fileBytes, std::string_view section, std::string_view key,
                             std::string_view defaultValue, size_t bufferSize = 500);

// The whole new content of the file after WritePrivateProfileStringA(section, key, value), or
// nothing when the file is left as it is (the key already holds exactly that value).
std::optional<std::string> ProfileWriteString(std::string_view fileBytes, std::string_view section,
                                              std::string_view key, std::string_view value);

}  // namespace trivex
