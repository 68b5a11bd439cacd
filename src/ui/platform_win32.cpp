#include "ui/platform_win32.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "ui/main_window_win32.h"
#include "ui/program_files.h"
#include "ui/win32/layout_win32.h"
#include "win32/host_registry_win32.h"
#include "win32/system_message_win32.h"

namespace trivex::ui {

using settings::FileRead;
using settings::ReplaceResult;

namespace {

constexpr DWORD kMaxPath = 32768;

std::string LowerCase(std::string text) {
    if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::vector<char> ReadVersionBlock(const std::string& file) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    std::vector<char> block(size + 1);
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), handle, size, block.data())) return {};
    return block;
}

std::string QueryVersionString(std::vector<char>& block, const char* name) {
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        length < sizeof(Translation)) {
        return {};
    }
    char path[64];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", translation->language,
                  translation->codePage, name);
    char* value = nullptr;
    if (!VerQueryValueA(block.data(), path, reinterpret_cast<void**>(&value), &length) || length == 0)
        return {};
    return std::string(value, strnlen(value, length));
}

// Checked by every write: Wine renames over a read-only file and clears the mark.
bool MarkedReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// The bytes from the start of the file, and nothing after them.
bool WriteWhole(HANDLE file, std::string_view bytes) {
    DWORD count = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &count, nullptr) &&
           count == bytes.size() && SetEndOfFile(file) && FlushFileBuffers(file);
}

// A new empty file in the folder of the path, under a name no file there has yet.
std::optional<std::string> CreateFileBeside(const std::string& path) {
    const size_t separator = path.find_last_of("\\/");
    const std::string folder = separator == std::string::npos ? "." : path.substr(0, separator);
    char name[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "Trv", 0, name)) return std::nullopt;
    return name;
}

// Writes the empty file made beside. Wine's ReplaceFile does not carry the attributes over from
// the file it replaces, nor does Wine apply them to a file that CreateFile overwrites.
bool WriteWithAttributes(const std::string& path, std::string_view bytes, DWORD attributes) {
    HANDLE opened =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    {
        const win32::UniqueKernelObject file(opened);
        if (!WriteWhole(file.get(), bytes)) return false;
    }
    return attributes == 0 || SetFileAttributesA(path.c_str(), attributes | FILE_ATTRIBUTE_ARCHIVE);
}

}  // namespace

std::u16string AnsiCodePageWin32::ToUtf16(std::string_view text) const {
    const int size = static_cast<int>(text.size());
    std::u16string converted(MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0), u'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, reinterpret_cast<wchar_t*>(converted.data()),
                        static_cast<int>(converted.size()));
    return converted;
}

std::string AnsiCodePageWin32::FromUtf16(std::u16string_view text) const {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    std::string converted(WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, size, converted.data(), static_cast<int>(converted.size()), nullptr,
                        nullptr);
    return converted;
}

std::string SystemErrorText(DWORD code) {
    const std::string text = win32::SystemMessage(code);
    return text.empty() ? "Error " + std::to_string(code) : text;
}

std::string ModulePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size() || path.size() >= kMaxPath) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// A named mutex per executable name: the first instance creates it, later ones open it.
bool PlatformWin32::OtherInstanceRunning() {
    if (instanceMutex_) return false;
    const std::string name = "Local\\" + std::string(kApplicationTitle) + ":" + LowerCase(ExeName());
    instanceMutex_.reset(CreateMutexA(nullptr, FALSE, name.c_str()));
    return GetLastError() == ERROR_ALREADY_EXISTS;
}

void PlatformWin32::ActivateWindow(const std::string& caption) {
    const HWND window = FindWindowA(MainWindowWin32::kClassName, caption.c_str());
    if (!window) return;
    if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
    SetForegroundWindow(window);
}

void PlatformWin32::EndProcess() {
    ExitProcess(0);
}

std::string PlatformWin32::ProgramFolder() {
    const std::string path = ModulePath();
    return path.substr(0, path.find_last_of('\\'));
}

std::string PlatformWin32::ExeName() {
    const std::string path = ModulePath();
    const std::string file = path.substr(path.find_last_of('\\') + 1);
    return file.substr(0, file.find_last_of('.'));
}

std::string PlatformWin32::LegalCopyright() {
    std::vector<char> block = ReadVersionBlock(ModulePath());
    return block.empty() ? std::string() : QueryVersionString(block, "LegalCopyright");
}

HostFolderRead PlatformWin32::ReadHostFolder() {
    DWORD bytes = 0;
    LSTATUS status = RegGetValueA(HKEY_CURRENT_USER, win32::kHostSettingsKey, win32::kHostFolderValue,
                                  RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
    std::string folder;
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        folder.resize(bytes);
        status = RegGetValueA(HKEY_CURRENT_USER, win32::kHostSettingsKey, win32::kHostFolderValue,
                              RRF_RT_REG_SZ, nullptr, folder.data(), &bytes);
        if (status == ERROR_SUCCESS) {
            folder.resize(strnlen(folder.c_str(), bytes));
            return {folder, std::nullopt};
        }
    }
    if (status == ERROR_FILE_NOT_FOUND) return {};
    return {"", SystemErrorText(static_cast<DWORD>(status))};
}

std::optional<host::FixedFileVersion> PlatformWin32::ReadFixedVersionInfo(const std::string& file) {
    std::vector<char> block = ReadVersionBlock(file);
    if (block.empty()) return std::nullopt;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) ||
        length < sizeof *fixed) {
        return std::nullopt;
    }
    return host::FixedFileVersion{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                                  HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
}

// Only a missing file or folder is no file: any other failure, a sharing violation while
// another program holds the file for one, is an error, and so is a read that fails part-way.
FileRead PlatformWin32::ReadFile(const std::string& path) {
    HANDLE opened = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
        return {std::nullopt, SystemErrorText(error)};
    }
    const win32::UniqueKernelObject file(opened);
    std::string bytes;
    char chunk[4096];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr))
            return {std::nullopt, SystemErrorText(GetLastError())};
        if (read == 0) return {std::move(bytes), std::nullopt};
        bytes.append(chunk, read);
    }
}

// The system's ReplaceFile keeps the file's identity: its security, its other streams and, on
// Windows, its attributes. Permissions it cannot carry over do not stop the save.
ReplaceResult PlatformWin32::ReplaceFile(const std::string& path, std::string_view bytes) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return ReplaceResult::Failed;
    const std::optional<std::string> temporary = CreateFileBeside(path);
    if (!temporary) return ReplaceResult::NoFileBeside;
    const DWORD kept = exists ? attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) : 0;
    const bool replaced = WriteWithAttributes(*temporary, bytes, kept) &&
                          (exists ? ReplaceFileA(path.c_str(), temporary->c_str(), nullptr,
                                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                                  : MoveFileExA(temporary->c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH));
    if (replaced) return ReplaceResult::Replaced;
    DeleteFileA(temporary->c_str());
    return ReplaceResult::Failed;
}

// Opened as it is rather than created anew, which Windows refuses for a hidden file.
bool PlatformWin32::OverwriteFile(const std::string& path, std::string_view bytes) {
    if (MarkedReadOnly(path)) return false;
    HANDLE opened = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    const win32::UniqueKernelObject file(opened);
    return WriteWhole(file.get(), bytes);
}

Size PlatformWin32::ScreenSize() {
    const int dpi = win32::SystemDpi();
    return {win32::PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), dpi),
            win32::PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), dpi)};
}

// SHELL32 and the DLLs it brings are loaded when first needed, not at every start: under Wine
// they take a good part of the start-up and of the memory.
void PlatformWin32::ShellOpen(const std::string& target, bool ownedByDesktop) {
    static const auto shellExecute = reinterpret_cast<decltype(&ShellExecuteA)>(
        reinterpret_cast<void (*)()>(GetProcAddress(LoadLibraryA("shell32.dll"), "ShellExecuteA")));
    if (!shellExecute) return;
    shellExecute(ownedByDesktop ? GetDesktopWindow() : nullptr, "open", target.c_str(), nullptr, nullptr,
                 SW_SHOWNORMAL);
}

void PlatformWin32::CloseHelpFile(const std::string& helpFile) {
    WinHelpA(mainWindow_, helpFile.c_str(), HELP_QUIT, 0);
}

int16_t PlatformWin32::UpperCaseKey(int16_t code) {
    if (code < 0 || code > 255) return code;
    char character = static_cast<char>(code);
    CharUpperBuffA(&character, 1);
    return static_cast<unsigned char>(character);
}

char PlatformWin32::DecimalSeparator() {
    char separator[4] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) < 2) return '.';
    return separator[0];
}

UINT MessageBoxIcon(MessageStyle style) {
    switch (style) {
        case MessageStyle::Critical:
            return MB_ICONERROR;
        case MessageStyle::Warning:
            return MB_ICONWARNING;
        case MessageStyle::Information:
            return MB_ICONINFORMATION;
    }
    return 0;
}

}  // namespace trivex::ui
