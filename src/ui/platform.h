// The operating system as the main window's logic sees it. The Win32 services implement
// it; tests and the scenario runner use an in-memory one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/host_version.h"
#include "settings/file_access.h"
#include "ui/view.h"

namespace trivex::ui {

struct HostFolderRead {
    std::string folder;                // empty when the entry is absent
    std::optional<std::string> error;  // the system's description when reading failed
};

// The settings file's access to files comes with it.
class PlatformServices : public settings::FileAccess {
  public:
    virtual ~PlatformServices() = default;

    // True when another instance of the program runs (the first call claims the name).
    [[nodiscard]] virtual bool OtherInstanceRunning() = 0;
    // Brings the top-level window with this caption to the front, without waiting.
    virtual void ActivateWindow(const std::string& caption) = 0;
    // Ends the process at once, after a critical error message.
    virtual void EndProcess() = 0;

    [[nodiscard]] virtual std::string ProgramFolder() = 0;   // the folder of the running executable
    [[nodiscard]] virtual std::string ExeName() = 0;         // its file name without the extension
    [[nodiscard]] virtual std::string LegalCopyright() = 0;  // from the program's own version information

    [[nodiscard]] virtual HostFolderRead ReadHostFolder() = 0;
    [[nodiscard]] virtual std::optional<host::FixedFileVersion> ReadFixedVersionInfo(
        const std::string& file) = 0;

    [[nodiscard]] virtual Size ScreenSize() = 0;  // twips
    // Asks the shell to open a document or address; ownedByDesktop gives it the desktop as owner.
    virtual void ShellOpen(const std::string& target, bool ownedByDesktop) = 0;
    virtual void CloseHelpFile(const std::string& helpFile) = 0;
    // The upper-case form of a character code in the ANSI code page and the user's locale.
    [[nodiscard]] virtual int16_t UpperCaseKey(int16_t code) = 0;
    // The decimal separator of the user's regional settings.
    [[nodiscard]] virtual char DecimalSeparator() = 0;
};

}  // namespace trivex::ui
