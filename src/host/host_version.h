// The host's version as start-up compares it, from the version block of its executable.
#pragma once

#include <cstdint>
#include <string>

namespace trivex::host {

inline constexpr const char* kNoHostVersion = "Unable to locate EXE file";

// The words of the file version in the executable's fixed version block.
struct FixedFileVersion {
    uint16_t major = 0;
    uint16_t minor = 0;
    uint16_t build = 0;
    uint16_t revision = 0;
};

// major "." minor fourth-part, each a signed 16-bit number: 2.0.0.3 gives "2.03".
[[nodiscard]] std::string VersionText(const FixedFileVersion& version);

// Between "1.55" and "2.99", compared as texts, character code by character code.
[[nodiscard]] bool IsSupportedHostVersion(const std::string& versionText);

[[nodiscard]] std::string UnsupportedHostMessage(const std::string& versionText);
[[nodiscard]] std::string HostFolderErrorMessage(const std::string& systemError);

}  // namespace trivex::host
