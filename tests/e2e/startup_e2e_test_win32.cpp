// Trivex.exe's life as a process: its first start, a second instance, its end when the host
// closes, and its refusal to start without a host.
#include <gmock/gmock.h>

#include "e2e_fixture_win32.h"

namespace trivex::test {
namespace {

using StartupEndToEndTest = EndToEndTest;

using ::testing::EndsWith;
using ::testing::HasSubstr;

// A first start writes the settings file in the program's folder; a second start is refused in
// a box of its own while the first, minimised, comes to the front; the host closing ends the
// first through its shut-down, which empties the list file and saves nothing.
TEST_F(StartupEndToEndTest, FirstStartThenASecondInstanceThenTheHostClosing) {
    WriteWholeFile(trivex_.File("Trivex.LST"), "an earlier list");
    StartTrivex(std::nullopt, 5, 0);
    const auto settings = ReadWholeFile(trivex_.File("Trivex.INI"));
    ASSERT_TRUE(settings) << "the first start writes the settings file beside the program";

    ShowWindow(trivex_.Window(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(trivex_.Window()); }));
    ChildProgram second = trivex_.Launch();
    const HWND box = WaitForWindow(second.Id(), "#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_THAT(MessageBoxText(box),
                HasSubstr("\r\n\r\nAnother instance of this program is already running"));
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(trivex_.Window()); }, 5s)) << "the first comes to the front";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(second.WaitForExit());

    Control().Call(L"FireEvent", "UIView32IsClosing");
    EXPECT_EQ(trivex_.Process().WaitForExit(), 0u);
    EXPECT_EQ(ReadWholeFile(trivex_.File("Trivex.LST")), "");
    EXPECT_EQ(ReadWholeFile(trivex_.File("Trivex.INI")), settings) << "neither the second nor the end saves";
}

// With no host installed the start is refused in a critical box that names the help file
// beside the program, and the program ends before it writes a file. The release check runs
// this case on the packaged program.
TEST_F(StartupEndToEndTest, StartWithNoHostInstalledIsRefused) {
    ChildProgram program = trivex_.Launch();
    const HWND box = WaitForWindow(program.Id(), "#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_THAT(WindowText(box), EndsWith(" Error message"));
    // The rest of the text is the one the unsupported-host scenario shows.
    EXPECT_THAT(MessageBoxText(box), HasSubstr(trivex_.File("Trivex.html") + ") on this :"));
    EXPECT_THAT(MessageBoxText(box), HasSubstr("uiview32 (Unable to locate EXE file) is invalid"));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(program.WaitForExit());
    EXPECT_FALSE(ReadWholeFile(trivex_.File("Trivex.INI")));
    EXPECT_FALSE(ReadWholeFile(trivex_.File("Trivex.LST")));
}

}  // namespace
}  // namespace trivex::test
