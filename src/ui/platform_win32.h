// The operating system services of the main window's logic, on Windows.
#pragma once

#include "ui/win32/windows_api.h"

#include "ui/platform.h"
#include "ui/win32/unique_handle.h"

namespace trivex::ui {

inline constexpr const char* kHostSettingsKey =
    "Software\\VB and VBA Program Settings\\Peak Systems\\UI-View32";
inline constexpr const char* kHostFolderValue = "Program Folder";

// MultiByteToWideChar and WideCharToMultiByte in the ANSI code page, as the ANSI profile
// functions convert: a character the code page lacks becomes its best fit or "?".
class AnsiCodePageWin32 : public settings::AnsiCodePage {
  public:
    std::u16string ToUtf16(std::string_view text) const override;
    std::string FromUtf16(std::u16string_view text) const override;
};

class PlatformWin32 : public PlatformServices {
  public:
    PlatformWin32() = default;
    PlatformWin32(const PlatformWin32&) = delete;
    PlatformWin32& operator=(const PlatformWin32&) = delete;

    // The window that owns the program's WinHelp file.
    void SetMainWindow(HWND window) { mainWindow_ = window; }

    bool OtherInstanceRunning() override;
    void ActivateWindow(const std::string& caption) override;
    void EndProcess() override;
    std::string ProgramFolder() override;
    std::string ExeName() override;
    std::string LegalCopyright() override;
    HostFolderRead ReadHostFolder() override;
    std::optional<FixedFileVersion> ReadFixedVersionInfo(const std::string& file) override;
    settings::FileRead ReadFile(const std::string& path) override;
    settings::ReplaceResult ReplaceFile(const std::string& path, std::string_view bytes) override;
    bool OverwriteFile(const std::string& path, std::string_view bytes) override;
    const settings::AnsiCodePage& CodePage() override { return codePage_; }
    Size ScreenSize() override;
    void ShellOpen(const std::string& target, bool ownedByDesktop) override;
    void CloseHelpFile(const std::string& helpFile) override;
    int16_t UpperCaseKey(int16_t code) override;
    char DecimalSeparator() override;

  private:
    win32::UniqueKernelObject instanceMutex_;
    HWND mainWindow_ = nullptr;
    AnsiCodePageWin32 codePage_;
};

// The system's description of an error code, without the trailing line break.
std::string SystemErrorText(DWORD code);

// The full path of the running executable.
std::string ModulePath();

// The icon flag of a message box.
UINT MessageBoxIcon(MessageStyle style);

}  // namespace trivex::ui
