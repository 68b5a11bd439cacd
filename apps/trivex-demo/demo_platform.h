// The Windows services with the simulated host installed: its folder and version come
// from the scenario, not from the registry and a real executable.
#pragma once

#include <optional>
#include <string>

#include "host/host_version.h"
#include "ui/platform_win32.h"

namespace trivex::demo {

inline constexpr const char* kSimulatedHostFolder = "C:\\Simulated UI-View32";

class DemoPlatform : public ui::PlatformWin32 {
  public:
    // hostVersion: nothing when the scenario has no host.
    explicit DemoPlatform(std::optional<host::FixedFileVersion> hostVersion) : hostVersion_(hostVersion) {}

    [[nodiscard]] ui::HostFolderRead ReadHostFolder() override {
        return {kSimulatedHostFolder, std::nullopt};
    }
    [[nodiscard]] std::optional<host::FixedFileVersion> ReadFixedVersionInfo(
        const std::string& file) override {
        if (file == std::string(kSimulatedHostFolder) + "\\uiview32.exe") return hostVersion_;
        return PlatformWin32::ReadFixedVersionInfo(file);
    }

  private:
    std::optional<host::FixedFileVersion> hostVersion_;
};

}  // namespace trivex::demo
