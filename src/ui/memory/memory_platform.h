// The operating system in memory: a folder of files, the host's installation, the screen
// and the shell, each set up by the test or scenario and recorded as the logic uses it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/platform.h"

namespace trivex::ui {

// The file version whose version text is the given text ("2.03" -> 2.0.0.3, "1.55" ->
// 1.5.0.5), or nothing when no file version gives that text (for example "10.0").
[[nodiscard]] std::optional<host::FixedFileVersion> FileVersionOfText(std::string_view text);

// ISO 8859-1: a byte is the character of its number; a character beyond them becomes "?".
class Latin1CodePage : public settings::AnsiCodePage {
  public:
    [[nodiscard]] std::u16string ToUtf16(std::string_view text) const override;
    [[nodiscard]] std::string FromUtf16(std::u16string_view text) const override;
};

struct ShellRequest {
    std::string target;
    bool ownedByDesktop = false;
    bool operator==(const ShellRequest&) const = default;
};

class MemoryPlatform : public PlatformServices {
  public:
    [[nodiscard]] bool OtherInstanceRunning() override { return otherInstance; }
    void ActivateWindow(const std::string& caption) override { activatedWindows.push_back(caption); }
    void EndProcess() override { ended = true; }

    [[nodiscard]] std::string ProgramFolder() override { return programFolder; }
    [[nodiscard]] std::string ExeName() override { return exeName; }
    [[nodiscard]] std::string LegalCopyright() override { return legalCopyright; }

    [[nodiscard]] HostFolderRead ReadHostFolder() override { return {hostFolder, hostFolderError}; }
    // The host's version block, found only at the host folder's "uiview32.exe".
    [[nodiscard]] std::optional<host::FixedFileVersion> ReadFixedVersionInfo(
        const std::string& file) override;

    [[nodiscard]] settings::FileRead ReadFile(const std::string& path) override;
    // Works in the steps of the Windows one, the file beside always being path + ".tmp": create
    // it, write the first half of the bytes, the rest, rename it over the file.
    [[nodiscard]] settings::ReplaceResult ReplaceFile(const std::string& path,
                                                      std::string_view bytes) override;
    // One step.
    [[nodiscard]] bool OverwriteFile(const std::string& path, std::string_view bytes) override;
    [[nodiscard]] const settings::AnsiCodePage& CodePage() override { return codePage_; }

    [[nodiscard]] Size ScreenSize() override { return screen; }
    void ShellOpen(const std::string& target, bool ownedByDesktop) override {
        shellRequests.push_back({target, ownedByDesktop});
    }
    void CloseHelpFile(const std::string& helpFile) override { closedHelpFiles.push_back(helpFile); }
    // Upper-cases the letters a..z only.
    [[nodiscard]] int16_t UpperCaseKey(int16_t code) override;
    [[nodiscard]] char DecimalSeparator() override { return '.'; }

    // Sets a file's content directly, whether or not the folder is read-only.
    void PutFile(const std::string& path, std::string_view bytes);
    // From now on the file exists but reading it fails with that reason (nothing: reads again).
    void SetReadError(const std::string& path, std::optional<std::string> reason);
    // Files are found without regard to case, and with repeated separators taken as one.
    [[nodiscard]] std::optional<std::string> File(const std::string& path) const;
    // How many times the file was written.
    [[nodiscard]] int WriteCount(const std::string& path) const;

    // Set up by the test or scenario.
    bool otherInstance = false;
    std::string programFolder = "C:\\Trivex";
    std::string exeName = "Trivex";
    std::string legalCopyright;
    std::string hostFolder = "C:\\Program Files\\UI-View32";
    std::optional<std::string> hostFolderError;
    std::optional<host::FixedFileVersion> hostVersion =
        host::FixedFileVersion{2, 0, 0, 3};  // nothing: no host
    bool readOnlyFolder = false;             // no new file may be created in it; its files may be written
    Size screen{15360, 11520};
    // A power cut: once the writes have done this many steps in all, they stop where they are,
    // sets `crashed` and from then on does nothing and fails.
    std::optional<int> stepsBeforeCrash;

    // Recorded as the program uses them.
    std::vector<std::string> activatedWindows;
    std::vector<ShellRequest> shellRequests;
    std::vector<std::string> closedHelpFiles;
    bool ended = false;
    bool crashed = false;

  private:
    struct StoredFile {
        std::string bytes;
        int writes = 0;
        std::optional<std::string> readError;
    };
    [[nodiscard]] static std::string Key(std::string_view path);
    [[nodiscard]] bool Step();
    void Write(const std::string& path, std::string_view bytes);
    std::map<std::string, StoredFile> files_;
    Latin1CodePage codePage_;
};

}  // namespace trivex::ui
