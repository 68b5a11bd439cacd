// Trivex.exe itself, started as a process of its own: the start-up refusals and their
// message boxes, a second instance, the files it writes.
#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "ui/main_window_win32.h"

namespace trivex::test {
namespace {

constexpr const char* kTitle = "UI-View32 add-on TrivexV1.4.2";
constexpr const char* kErrorTitle = "UI-View32 add-on TrivexV1.4.2 Error message";

// A copy of Trivex.exe in a folder of its own, so that its settings and list files are the test's.
class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string exe = WindowsPath(Environment("TRIVEX_EXE"));
        if (exe.empty()) GTEST_SKIP() << "TRIVEX_EXE names no Trivex.exe";
        ASSERT_TRUE(CopyFileA(exe.c_str(), Exe().c_str(), FALSE)) << exe;
    }
    void TearDown() override { DeleteHostFolderEntry(); }

    std::string Exe() const { return folder_.File("Trivex.exe"); }
    std::string Header() const {
        return "The following error has ocurred, you may want to read the online help file (" +
               folder_.File("Trivex.html") + ") on this :\r\n\r\n";
    }
    static HWND WaitForBox(const ChildProgram& program, const std::string& title) {
        return WaitForWindow([&] { return FindProcessWindow(program.Id(), "#32770", title); });
    }
    static HWND WaitForMainWindow(const ChildProgram& program) {
        return WaitForWindow(
            [&] { return FindProcessWindow(program.Id(), ui::MainWindowWin32::kClassName, kTitle); });
    }

    TemporaryFolder folder_;
};

TEST_F(ProgramTest, MissingHostIsRefusedWithTheCriticalMessageAndNothingIsWritten) {
    DeleteHostFolderEntry();
    ChildProgram program(Exe());
    const HWND box = WaitForBox(program, kErrorTitle);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              Header() +
                  "Your current version of uiview32 (Unable to locate EXE file) is invalid for "
                  "this add-on, minimum version 1.55, maximum version 2.99 is required"
                  "\r\n\r\nThe program will be stopped");
    PressOk(box);
    EXPECT_TRUE(program.WaitForExit());
    EXPECT_FALSE(ReadWholeFile(folder_.File("Trivex.INI")));
    EXPECT_FALSE(ReadWholeFile(folder_.File("Trivex.LST")));
}

TEST_F(ProgramTest, UnreadableHostFolderEntryIsReportedFirst) {
    SetHostFolderEntryOfWrongType();
    ChildProgram program(Exe());
    const HWND folderBox = WaitForBox(program, "UI-Trivex");
    ASSERT_NE(folderBox, nullptr);
    EXPECT_TRUE(MessageBoxText(folderBox).starts_with(
        "AN error occurred getting the UIView folder. The system error message is '"))
        << MessageBoxText(folderBox);
    PressOk(folderBox);
    const HWND versionBox = WaitForBox(program, kErrorTitle);
    ASSERT_NE(versionBox, nullptr);
    EXPECT_NE(MessageBoxText(versionBox).find("(Unable to locate EXE file)"), std::string::npos);
    PressOk(versionBox);
    EXPECT_TRUE(program.WaitForExit());
}

TEST_F(ProgramTest, SecondInstanceIsRefusedAndTheFirstComesToTheFront) {
    SetHostFolderEntry(TestProgramFolder() + "\\fake_host");
    ChildProgram first(Exe());
    const HWND firstWindow = WaitForMainWindow(first);
    ASSERT_NE(firstWindow, nullptr);
    // The fake host has no automation server: connecting fails with a warning, and Trivex runs on.
    const HWND warning = WaitForBox(first, kErrorTitle);
    ASSERT_NE(warning, nullptr);
    EXPECT_NE(MessageBoxText(warning).find("The host reported an error: "), std::string::npos);
    PressOk(warning);
    const auto settings = ReadWholeFile(folder_.File("Trivex.INI"));
    ASSERT_TRUE(settings) << "the first start writes the settings file";

    ShowWindow(firstWindow, SW_MINIMIZE);
    ASSERT_TRUE(WaitForWindow([&] { return IsIconic(firstWindow) ? firstWindow : nullptr; }));

    ChildProgram second(Exe());
    const HWND box = WaitForBox(second, kErrorTitle);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), Header() +
                                       "Another instance of this program is already running"
                                       "\r\n\r\nThe program will be stopped");
    EXPECT_TRUE(WaitForWindow([&] { return IsIconic(firstWindow) ? nullptr : firstWindow; }, 5s))
        << "the first instance is restored and brought to the front";
    PressOk(box);
    EXPECT_TRUE(second.WaitForExit());
    EXPECT_EQ(ReadWholeFile(folder_.File("Trivex.INI")), settings) << "the second leaves the settings alone";
    EXPECT_FALSE(ReadWholeFile(folder_.File("Trivex.LST")));

    PostMessageA(firstWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(), 0u);
    EXPECT_EQ(ReadWholeFile(folder_.File("Trivex.LST")), "") << "shut-down leaves an empty list file";
}

}  // namespace
}  // namespace trivex::test
