#include "host/host_version.h"

namespace trivex::host {

namespace {

constexpr const char* kMinimumVersion = "1.55";
constexpr const char* kMaximumVersion = "2.99";

std::string SignedWord(uint16_t word) {
    return std::to_string(static_cast<int16_t>(word));
}

}  // namespace

std::string VersionText(const FixedFileVersion& version) {
    return SignedWord(version.major) + "." + SignedWord(version.minor) + SignedWord(version.revision);
}

bool IsSupportedHostVersion(const std::string& versionText) {
    // std::string compares bytes as unsigned char: character code by character code.
    return versionText >= kMinimumVersion && versionText <= kMaximumVersion;
}

std::string UnsupportedHostMessage(const std::string& versionText) {
    return "Your current version of uiview32 (" + versionText +
           ") is invalid for this add-on, minimum version " + kMinimumVersion + ", maximum version " +
           kMaximumVersion + " is required";
}

std::string HostFolderErrorMessage(const std::string& systemError) {
    return "AN error occurred getting the UIView folder. The system error message is '" + systemError + "'";
}

}  // namespace trivex::host
