// Trivex.exe itself, started as a process of its own: a start-up refusal and its message boxes.
// tests/e2e covers the other refusals, a second instance and the files a run writes.
#include <gtest/gtest.h>

#include "gui_test_support.h"

namespace trivex::test {
namespace {

TEST(ProgramTest, UnreadableHostFolderEntryIsReportedThenTheStartIsRefused) {
    const std::string exe = WindowsPath(Environment("TRIVEX_EXE"));
    if (exe.empty()) GTEST_SKIP() << "TRIVEX_EXE names no Trivex.exe";
    TemporaryFolder folder;  // a copy of Trivex.exe, so that its settings and list files are the test's
    ASSERT_TRUE(CopyFileA(exe.c_str(), folder.File("Trivex.exe").c_str(), FALSE)) << exe;
    SetHostFolderEntryOfWrongType();
    ChildProgram program(folder.File("Trivex.exe"));
    const HWND folderBox =
        WaitForWindow([&] { return FindProcessWindow(program.Id(), "#32770", "UI-Trivex"); });
    DeleteHostFolderEntry();
    ASSERT_NE(folderBox, nullptr);
    EXPECT_TRUE(MessageBoxText(folderBox).starts_with(
        "AN error occurred getting the UIView folder. The system error message is '"))
        << MessageBoxText(folderBox);
    PressOk(folderBox);
    const HWND versionBox = WaitForWindow([&] {
        return FindProcessWindow(program.Id(), "#32770", "UI-View32 add-on TrivexV1.4.2 Error message");
    });
    ASSERT_NE(versionBox, nullptr);
    EXPECT_EQ(
        MessageBoxText(versionBox),
        "The following error has ocurred, you may want to read the online help file (" +
            folder.File("Trivex.html") +
            ") on this :\r\n\r\nYour current version of uiview32 (Unable to locate EXE file) is invalid for "
            "this add-on, minimum version 1.55, maximum version 2.99 is required\r\n\r\nThe program will be "
            "stopped");
    PressOk(versionBox);
    EXPECT_TRUE(program.WaitForExit());
    EXPECT_FALSE(ReadWholeFile(folder.File("Trivex.INI")));
    EXPECT_FALSE(ReadWholeFile(folder.File("Trivex.LST")));
}

}  // namespace
}  // namespace trivex::test
