// The operating system as the main window's logic sees it. The Win32 services implement
// it; tests and the scenario runner use an in-memory one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/host_version.h"
#include "ui/private_profile.h"
#include "ui/view.h"

namespace trivex::ui {

struct HostFolderRead {
    std::string folder;                // empty when the entry is absent
    std::optional<std::string> error;  // the system's description when reading failed
};

// A whole file as read. Neither bytes nor error: the file, or its folder, does not exist.
struct FileRead {
    std::optional<std::string> bytes;
    std::optional<std::string> error;  // the system's description when the file could not be read
};

enum class ReplaceResult {
    Replaced,
    NoFileBeside,  // the file beside could not be created (a folder that refuses new files): nothing changed
    Failed,
};

class PlatformServices {
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
    [[nodiscard]] virtual std::optional<FixedFileVersion> ReadFixedVersionInfo(const std::string& file) = 0;

    // Whole-file access. ReplaceFile writes a new file beside the file, under a name no other
    // file has, and puts it in the file's place as the system replaces files (the file keeps its
    // attributes and security), so the file is either the old or the new one. OverwriteFile
    // opens the file itself for writing (creating it when absent), replaces its contents and
    // closes it: the file stays the same file, but a failure part-way leaves it cut short. Both
    // refuse a file marked read-only, which the user means to keep as it is.
    [[nodiscard]] virtual FileRead ReadFile(const std::string& path) = 0;
    [[nodiscard]] virtual ReplaceResult ReplaceFile(const std::string& path, std::string_view bytes) = 0;
    [[nodiscard]] virtual bool OverwriteFile(const std::string& path, std::string_view bytes) = 0;
    // The code page of the settings file's names and values in a UTF-16 file.
    [[nodiscard]] virtual const AnsiCodePage& CodePage() = 0;

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
