// The operating system services of the main window's logic, on Windows.
#pragma once

#include "win32/windows_api.h"

#include "ui/platform.h"
#include "win32/unique_handle.h"

namespace trivex::ui {

// MultiByteToWideChar and WideCharToMultiByte in the ANSI code page, as the ANSI profile
// functions convert: a character the code page lacks becomes its best fit or "?".
class AnsiCodePageWin32 : public settings::AnsiCodePage {
  public:
    [[nodiscard]] std::u16string ToUtf16(std::string_view text) const override;
    [[nodiscard]] std::string FromUtf16(std::u16string_view text) const override;
};

class PlatformWin32 : public PlatformServices {
  public:
    PlatformWin32() = default;
    PlatformWin32(const PlatformWin32&) = delete;
    PlatformWin32& operator=(const PlatformWin32&) = delete;

    // The window that owns the program's WinHelp file.
    void SetMainWindow(HWND window) { mainWindow_ = window; }

    [[nodiscard]] bool OtherInstanceRunning() override;
    void ActivateWindow(const std::string& caption) override;
    void EndProcess() override;
    [[nodiscard]] std::string ProgramFolder() override;
    [[nodiscard]] std::string ExeName() override;
    [[nodiscard]] std::string LegalCopyright() override;
    [[nodiscard]] HostFolderRead ReadHostFolder() override;
    [[nodiscard]] std::optional<host::FixedFileVersion> ReadFixedVersionInfo(
        const std::string& file) override;
    [[nodiscard]] settings::FileRead ReadFile(const std::string& path) override;
    [[nodiscard]] settings::ReplaceResult ReplaceFile(const std::string& path,
                                                      std::string_view bytes) override;
    [[nodiscard]] bool OverwriteFile(const std::string& path, std::string_view bytes) override;
    [[nodiscard]] const settings::AnsiCodePage& CodePage() override { return codePage_; }
    [[nodiscard]] Size ScreenSize() override;
    void ShellOpen(const std::string& target, bool ownedByDesktop) override;
    void CloseHelpFile(const std::string& helpFile) override;
    [[nodiscard]] int16_t UpperCaseKey(int16_t code) override;
    [[nodiscard]] char DecimalSeparator() override;

  private:
    win32::UniqueKernelObject instanceMutex_;
    HWND mainWindow_ = nullptr;
    AnsiCodePageWin32 codePage_;
};

// The system's description of an error code, without the trailing line break.
[[nodiscard]] std::string SystemErrorText(DWORD code);

// The full path of the running executable.
[[nodiscard]] std::string ModulePath();

// The icon flag of a message box.
UINT MessageBoxIcon(MessageStyle style);

}  // namespace trivex::ui
