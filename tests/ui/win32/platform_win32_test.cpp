// The Windows platform services against the real system (under Wine). The host folder entry
// is read in the program's tests here and in tests/e2e.
#include <gtest/gtest.h>

#include <tuple>

#include "gui_test_support.h"
#include "ui/platform_win32.h"

namespace trivex::test {
namespace {

using ui::PlatformWin32;

TEST(PlatformWin32Test, FactsOfTheRunningProgramAndTheSystem) {
    PlatformWin32 platform;
    EXPECT_EQ(platform.ProgramFolder(), TestProgramFolder());
    EXPECT_EQ(platform.ExeName(), "ui_win32_gui_tests");
    EXPECT_EQ(platform.LegalCopyright(), "Copyright (C) 2026 the Trivex developers");
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(platform.ScreenSize().width, GetSystemMetrics(SM_CXSCREEN) * 1440 / dpi);
    EXPECT_EQ(platform.ScreenSize().height, GetSystemMetrics(SM_CYSCREEN) * 1440 / dpi);
    char separator[4] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
    EXPECT_EQ(platform.DecimalSeparator(), separator[0]);
    const std::string error = ui::SystemErrorText(ERROR_UNSUPPORTED_TYPE);
    EXPECT_TRUE(!error.empty() && !error.ends_with("\n")) << error;
    // Upper case in the ANSI code page: an a umlaut of code page 1252 too, codes outside unchanged.
    const std::pair<int16_t, int16_t> keys[] = {{'a', 'A'}, {'/', '/'}, {0xE4, 0xC4}, {-5, -5}};
    for (const auto& [code, upper] : keys) EXPECT_EQ(platform.UpperCaseKey(code), upper) << "code " << code;
}

TEST(PlatformWin32Test, FixedVersionBlockOfAnExecutable) {
    PlatformWin32 platform;
    const auto host = platform.ReadFixedVersionInfo(TestProgramFolder() + "\\fake_host\\uiview32.exe");
    ASSERT_TRUE(host);
    EXPECT_EQ(VersionText(*host), "2.03");  // 2.0.0.3: major "." minor fourth part
    EXPECT_EQ(VersionText(platform.ReadFixedVersionInfo(ui::ModulePath()).value_or(FixedFileVersion{})),
              "1.42");

    TemporaryFolder folder;
    WriteWholeFile(folder.File("plain.exe"), "not an executable");
    for (const std::string& file :
         {folder.File("uiview32.exe"), folder.File("plain.exe"), std::string("\\uiview32.exe")})
        EXPECT_FALSE(platform.ReadFixedVersionInfo(file))
            << file;  // missing, no version, the root of the drive
}

// The host folder entry of either string type: an expandable one comes back expanded, also
// when that makes it longer than the stored text; a plain one as it stands.
TEST(PlatformWin32Test, HostFolderEntryOfEitherStringType) {
    PlatformWin32 platform;
    const std::string drive = "D:\\" + std::string(300, 'R');
    SetEnvironmentVariableA("TRIVEX_HOST_DRIVE", drive.c_str());
    const std::tuple<DWORD, std::string, std::string> entries[] = {
        {REG_EXPAND_SZ, "%TRIVEX_HOST_DRIVE%\\UI-View32", drive + "\\UI-View32"},
        {REG_SZ, "C:\\%TRIVEX_HOST_DRIVE%", "C:\\%TRIVEX_HOST_DRIVE%"},
    };
    for (const auto& [type, stored, folder] : entries) {
        SetHostFolderEntry(stored, type);
        const ui::HostFolderRead read = platform.ReadHostFolder();
        EXPECT_EQ(read.folder, folder) << stored;
        EXPECT_FALSE(read.error) << *read.error;
    }
    DeleteHostFolderEntry();
}

TEST(PlatformWin32Test, ReplaceFileWritesBesideAndRenames) {
    using ui::ReplaceResult;
    PlatformWin32 platform;
    TemporaryFolder folder;
    const std::string file = folder.File("Trivex.INI");
    for (const char* bytes : {"first\r\n", "second\r\n", ""}) {
        ASSERT_EQ(platform.ReplaceFile(file, bytes), ReplaceResult::Replaced);
        EXPECT_EQ(platform.ReadFile(file).bytes, bytes);
        EXPECT_FALSE(ReadWholeFile(file + ".tmp")) << "nothing is left beside";
    }
    // No file beside in a missing folder, nor where a folder stands in its way; a target that
    // is a folder fails and removes its temporary file.
    EXPECT_EQ(platform.ReplaceFile(folder.File("missing\\Trivex.INI"), "x"), ReplaceResult::NoFileBeside);
    ASSERT_TRUE(CreateDirectoryA((file + ".tmp").c_str(), nullptr));
    EXPECT_EQ(platform.ReplaceFile(file, "x"), ReplaceResult::NoFileBeside);
    RemoveDirectoryA((file + ".tmp").c_str());
    EXPECT_EQ(platform.ReplaceFile(folder.Path(), "x"), ReplaceResult::Failed);
    EXPECT_FALSE(ReadWholeFile(folder.Path() + ".tmp"));
    EXPECT_EQ(ReadWholeFile(file), "");
}

// Overwriting writes into the file itself, as a program that holds it open sees, and creates
// a missing one; a file marked read-only, for either way of writing, keeps its bytes and its mark.
TEST(PlatformWin32Test, OverwriteFileKeepsTheFileItself) {
    PlatformWin32 platform;
    TemporaryFolder folder;
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
    EXPECT_EQ(platform.ReplaceFile(file, "x"), ui::ReplaceResult::Failed);
    EXPECT_EQ(ReadWholeFile(file), "kept");
    EXPECT_TRUE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Only a missing file or folder reads as no file: a file that another program holds, or a
// folder in its place, is an error with the system's reason.
TEST(PlatformWin32Test, ReadFileTellsAMissingFileFromOneThatCannotBeRead) {
    PlatformWin32 platform;
    TemporaryFolder folder;
    const std::string file = folder.File("Trivex.INI");
    for (const std::string& missing : {file, folder.File("missing\\Trivex.INI")}) {
        const ui::FileRead read = platform.ReadFile(missing);
        EXPECT_TRUE(!read.bytes && !read.error) << missing;
    }
    WriteWholeFile(file, "[SETUP]\r\n");
    EXPECT_EQ(platform.ReadFile(file).bytes, "[SETUP]\r\n");
    {
        const HANDLE opened = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(opened, INVALID_HANDLE_VALUE);
        const win32::UniqueKernelObject held(opened);  // as another program holding the file
        const ui::FileRead read = platform.ReadFile(file);
        EXPECT_FALSE(read.bytes);
        EXPECT_EQ(read.error, ui::SystemErrorText(ERROR_SHARING_VIOLATION));
    }
    const ui::FileRead folderRead = platform.ReadFile(folder.Path());
    EXPECT_TRUE(!folderRead.bytes && folderRead.error);
}

}  // namespace
}  // namespace trivex::test
