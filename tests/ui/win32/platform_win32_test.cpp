// The Windows platform services against the real system (under Wine): files, the registry,
// version information and the system's facts. Trivex.exe itself is tested in tests/e2e.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "gui_test_support.h"
#include "ui/platform_win32.h"
#include "win32/host_registry_win32.h"

namespace trivex::test {
namespace {

class PlatformWin32Test : public ::testing::Test {
  protected:
    // The names of what the folder holds, sorted.
    std::vector<std::string> FileNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            names.push_back(entry.path().filename().string());
        std::ranges::sort(names);
        return names;
    }

    ui::PlatformWin32 platform;
    TemporaryFolder folder;
};

// What the program reads of itself, of the system and of the host's executable.
TEST_F(PlatformWin32Test, FactsOfTheRunningProgramTheSystemAndExecutables) {
    EXPECT_EQ(platform.LegalCopyright(), "Copyright (C) 2026 the Trivex developers");
    EXPECT_EQ(platform.ScreenSize().width, 15360) << "1024 pixels at 96 DPI";
    EXPECT_EQ(platform.ScreenSize().height, 11520) << "768 pixels at 96 DPI";
    const std::string error = ui::SystemErrorText(ERROR_UNSUPPORTED_TYPE);
    EXPECT_TRUE(!error.empty() && !error.ends_with("\n")) << error;
    // Upper case in the ANSI code page: an a umlaut of code page 1252 too, codes outside unchanged.
    const std::pair<int16_t, int16_t> keys[] = {{'a', 'A'}, {'/', '/'}, {0xE4, 0xC4}, {-5, -5}};
    for (const auto& [code, upper] : keys) EXPECT_EQ(platform.UpperCaseKey(code), upper) << "code " << code;

    const auto host = platform.ReadFixedVersionInfo(WindowsPath(TRIVEX_STANDIN_FOLDER) + "\\uiview32.exe");
    ASSERT_TRUE(host);
    EXPECT_EQ(host::VersionText(*host), "2.03");  // 2.0.0.3: major "." minor fourth part
    EXPECT_EQ(
        host::VersionText(platform.ReadFixedVersionInfo(ui::ModulePath()).value_or(host::FixedFileVersion{})),
        "1.42");

    WriteWholeFile(folder.File("plain.exe"), "not an executable");
    for (const std::string& file : {folder.File("uiview32.exe"), folder.File("plain.exe")})
        EXPECT_FALSE(platform.ReadFixedVersionInfo(file)) << file;  // missing, no version
}

// The host folder entry of either string type: an expandable one comes back expanded, also
// when that makes it longer than the stored text; a plain one as it stands; one of another
// type is an error with the system's reason.
TEST_F(PlatformWin32Test, HostFolderEntryByItsType) {
    const std::string drive = "D:\\" + std::string(300, 'R');
    SetEnvironmentVariableA("TRIVEX_HOST_DRIVE", drive.c_str());
    const std::tuple<DWORD, std::string, std::string, std::optional<std::string>> entries[] = {
        {REG_EXPAND_SZ, "%TRIVEX_HOST_DRIVE%\\UI-View32", drive + "\\UI-View32", std::nullopt},
        {REG_SZ, "C:\\%TRIVEX_HOST_DRIVE%", "C:\\%TRIVEX_HOST_DRIVE%", std::nullopt},
        {REG_BINARY, "C:\\UI-View32", "", ui::SystemErrorText(ERROR_UNSUPPORTED_TYPE)},
    };
    for (const auto& [type, stored, expected, error] : entries) {
        RegSetKeyValueA(HKEY_CURRENT_USER, win32::kHostSettingsKey, win32::kHostFolderValue, type,
                        stored.c_str(), static_cast<DWORD>(stored.size() + 1));
        const ui::HostFolderRead read = platform.ReadHostFolder();
        EXPECT_EQ(read.folder, expected) << stored;
        EXPECT_EQ(read.error, error) << stored;
    }
    RegDeleteKeyValueA(HKEY_CURRENT_USER, win32::kHostSettingsKey, win32::kHostFolderValue);
}

// A new file, then one replaced, then a hidden one, through a file beside of a name no other
// file has: a file of the user's that bears the name "Trivex.INI.tmp" stays as it was, nothing
// else is left beside, and the hidden file stays hidden.
TEST_F(PlatformWin32Test, ReplaceFileWritesBesideAndRenames) {
    using settings::ReplaceResult;
    const std::string file = folder.File("Trivex.INI");
    WriteWholeFile(file + ".tmp", "the user's own");
    const std::pair<const char*, bool> saves[] = {{"first\r\n", false}, {"", false}, {"hidden", true}};
    for (const auto& [bytes, hidden] : saves) {
        if (hidden) {
            ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN));
        }
        ASSERT_EQ(platform.ReplaceFile(file, bytes), ReplaceResult::Replaced);
        EXPECT_EQ(platform.ReadFile(file).bytes, bytes);
        EXPECT_EQ(FileNames(), (std::vector<std::string>{"Trivex.INI", "Trivex.INI.tmp"})) << bytes;
        EXPECT_EQ((GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0, hidden) << bytes;
    }
    EXPECT_EQ(ReadWholeFile(file + ".tmp"), "the user's own");
    // No file beside in a missing folder; a target that is a folder fails.
    EXPECT_EQ(platform.ReplaceFile(folder.File("missing\\Trivex.INI"), "x"), ReplaceResult::NoFileBeside);
    EXPECT_EQ(platform.ReplaceFile(folder.Path(), "x"), ReplaceResult::Failed);
    EXPECT_EQ(ReadWholeFile(file), "hidden");
}

// Overwriting writes into the file itself, as a program that holds it open sees, and creates
// a missing one; a file marked read-only, for either way of writing, keeps its bytes and its mark.
TEST_F(PlatformWin32Test, OverwriteFileKeepsTheFileItself) {
    const std::string file = folder.File("Trivex.LST");
    ASSERT_TRUE(platform.OverwriteFile(file, "an earlier, longer list\r\n"));
    const HANDLE opened =
        CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(opened, INVALID_HANDLE_VALUE);
    const win32::UniqueKernelObject held(opened);
    for (const std::string bytes : {"new\r\n", ""}) {
        ASSERT_TRUE(platform.OverwriteFile(file, bytes));
        EXPECT_EQ(ReadWholeFile(file), bytes);
        EXPECT_EQ(GetFileSize(held.get(), nullptr), bytes.size()) << "the file held open is the one written";
    }
    WriteWholeFile(file, "kept");
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(platform.OverwriteFile(file, "x"));
    EXPECT_EQ(platform.ReplaceFile(file, "x"), settings::ReplaceResult::Failed);
    EXPECT_EQ(ReadWholeFile(file), "kept");
    EXPECT_TRUE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Only a missing file or folder reads as no file: a file that another program holds, or a
// folder in its place, is an error with the system's reason.
TEST_F(PlatformWin32Test, ReadFileTellsAMissingFileFromOneThatCannotBeRead) {
    const std::string file = folder.File("Trivex.INI");
    WriteWholeFile(file, "[SETUP]\r\n");
    const HANDLE opened =
        CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(opened, INVALID_HANDLE_VALUE);
    const win32::UniqueKernelObject held(opened);  // as another program holding the file
    const std::pair<std::string, bool> cases[] = {
        {folder.File("Trivex.LST"), false},           // a missing file
        {folder.File("missing\\Trivex.INI"), false},  // in a missing folder
        {file, true},                                 // held
        {folder.Path(), true},                        // a folder
    };
    for (const auto& [path, error] : cases) {
        const settings::FileRead read = platform.ReadFile(path);
        EXPECT_FALSE(read.bytes) << path;
        EXPECT_EQ(read.error.has_value(), error) << path;
    }
    EXPECT_EQ(platform.ReadFile(file).error, ui::SystemErrorText(ERROR_SHARING_VIOLATION));
}

}  // namespace
}  // namespace trivex::test
