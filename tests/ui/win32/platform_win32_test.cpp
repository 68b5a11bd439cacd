// The Windows platform services against the real system (under Wine).
#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "ui/platform_win32.h"

namespace trivex::test {
namespace {

using ui::PlatformWin32;

TEST(PlatformWin32Test, ProgramFolderAndExeNameComeFromTheRunningExecutable) {
    PlatformWin32 platform;
    EXPECT_EQ(platform.ProgramFolder(), TestProgramFolder());
    EXPECT_EQ(platform.ExeName(), "ui_win32_gui_tests");
}

TEST(PlatformWin32Test, LegalCopyrightComesFromTheProgramsVersionInformation) {
    EXPECT_EQ(PlatformWin32().LegalCopyright(), "Copyright (C) 2026 the Trivex developers");
}

TEST(PlatformWin32Test, FixedVersionBlockOfAnExecutable) {
    PlatformWin32 platform;
    const auto host = platform.ReadFixedVersionInfo(TestProgramFolder() + "\\fake_host\\uiview32.exe");
    ASSERT_TRUE(host);
    EXPECT_EQ(host->major, 2);
    EXPECT_EQ(host->minor, 0);
    EXPECT_EQ(host->build, 0);
    EXPECT_EQ(host->revision, 3);
    const auto own = platform.ReadFixedVersionInfo(ui::ModulePath());
    ASSERT_TRUE(own);
    EXPECT_EQ(VersionText(*own), "1.42");  // 1.4.0.2: major "." minor fourth part

    TemporaryFolder folder;
    WriteWholeFile(folder.File("plain.exe"), "not an executable");
    struct Case {
        const char* what;
        std::string file;
    } unreadable[] = {
        {"missing file", folder.File("uiview32.exe")},
        {"file without a version resource", folder.File("plain.exe")},
        {"no folder entry: the root of the drive", "\\uiview32.exe"},
    };
    for (const Case& c : unreadable) EXPECT_FALSE(platform.ReadFixedVersionInfo(c.file)) << c.what;
}

TEST(PlatformWin32Test, HostFolderFromThePerUserSettingsStore) {
    PlatformWin32 platform;
    SetHostFolderEntry("C:\\Program Files\\UI-View32\\");
    auto read = platform.ReadHostFolder();
    EXPECT_EQ(read.folder, "C:\\Program Files\\UI-View32\\") << "returned unchanged";
    EXPECT_FALSE(read.error);

    DeleteHostFolderEntry();
    read = platform.ReadHostFolder();
    EXPECT_EQ(read.folder, "");
    EXPECT_FALSE(read.error) << "an absent entry is no error";

    SetHostFolderEntryOfWrongType();
    read = platform.ReadHostFolder();
    EXPECT_EQ(read.folder, "");
    ASSERT_TRUE(read.error);
    EXPECT_EQ(*read.error, ui::SystemErrorText(ERROR_UNSUPPORTED_TYPE));
    EXPECT_FALSE(read.error->empty());
    EXPECT_FALSE(read.error->ends_with("\n"));
    DeleteHostFolderEntry();
}

TEST(PlatformWin32Test, ReplaceFileWritesBesideAndRenames) {
    PlatformWin32 platform;
    TemporaryFolder folder;
    const std::string file = folder.File("Trivex.INI");
    EXPECT_FALSE(platform.ReadFile(file));
    ASSERT_TRUE(platform.ReplaceFile(file, "first\r\n"));
    ASSERT_TRUE(platform.ReplaceFile(file, "second\r\n"));
    EXPECT_EQ(platform.ReadFile(file), "second\r\n");
    EXPECT_FALSE(ReadWholeFile(file + ".tmp")) << "nothing is left beside";
    ASSERT_TRUE(platform.ReplaceFile(file, ""));
    EXPECT_EQ(platform.ReadFile(file), "");

    struct Case {
        const char* what;
        std::string path;
    } failing[] = {
        {"folder missing", folder.File("missing\\Trivex.INI")},
        {"target is a folder", folder.Path()},
    };
    for (const Case& c : failing) EXPECT_FALSE(platform.ReplaceFile(c.path, "x")) << c.what;
    EXPECT_FALSE(ReadWholeFile(folder.Path() + ".tmp")) << "a failed replace removes its temporary file";
}

TEST(PlatformWin32Test, UpperCaseKeyInTheAnsiCodePage) {
    PlatformWin32 platform;
    struct Case {
        int16_t code;
        int16_t upper;
    } cases[] = {
        {'a', 'A'}, {'z', 'Z'}, {'A', 'A'}, {'5', '5'},
        {'/', '/'}, {8, 8},     {13, 13},   {0xE4, 0xC4},  // a umlaut in code page 1252
        {-5, -5},                                          // outside the code page: unchanged
    };
    for (const Case& c : cases) EXPECT_EQ(platform.UpperCaseKey(c.code), c.upper) << "code " << c.code;
}

TEST(PlatformWin32Test, ScreenSizeInTwipsAndDecimalSeparator) {
    PlatformWin32 platform;
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    const ui::Size size = platform.ScreenSize();
    EXPECT_EQ(size.width, GetSystemMetrics(SM_CXSCREEN) * 1440 / dpi);
    EXPECT_EQ(size.height, GetSystemMetrics(SM_CYSCREEN) * 1440 / dpi);
    char expected[4] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, expected, sizeof expected);
    EXPECT_EQ(platform.DecimalSeparator(), expected[0]);
}

TEST(PlatformWin32Test, OnlyTheFirstClaimOfTheInstanceNameFindsNoOther) {
    PlatformWin32 first;
    PlatformWin32 second;
    EXPECT_FALSE(first.OtherInstanceRunning());
    EXPECT_TRUE(second.OtherInstanceRunning());
}

}  // namespace
}  // namespace trivex::test
