// The settings file and the window's place across starts, the end of the program, and the
// screenshots of the window after a plot and of the About window.
#include <gtest/gtest.h>

#include "gui_fixture.h"
#include "ui/win32/layout_win32.h"

namespace trivex::test {
namespace {

using ui::Command;
using GuiPlacementTest = GuiTest;

POINT TopLeft(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {rect.left, rect.top};
}

TEST_F(GuiPlacementTest, FirstStartWritesTheSettingsFileWithTheDefaults) {
    ASSERT_FALSE(ReadWholeFile(IniFile()));
    ASSERT_TRUE(Start());
    const auto ini = ReadWholeFile(IniFile());
    ASSERT_TRUE(ini);
    for (const char* line : {"[SETUP]", "MINIMIZED=FALSE", "PlotLineThickness=1", "IgnoreDistance=1",
                             "ReplotAfterMapIsRedrawn=FALSE", "CallSign1=NOCALL1", "CallSign5=NOCALL5"}) {
        EXPECT_NE(ini->find(line), std::string::npos) << line << " missing in:\n" << *ini;
    }
}

TEST_F(GuiPlacementTest, SaveSettingsRoundTripsPositionAndMinimisedState) {
    ASSERT_TRUE(Start());
    const int dpi = window_->Dpi();
    SetWindowPos(window_->Handle(), nullptr, 150, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Pump();
    ShowWindow(window_->Handle(), SW_MINIMIZE);
    Pump();
    ASSERT_TRUE(IsIconic(window_->Handle()));
    Choose(Command::FileSave);
    const auto ini = ReadWholeFile(IniFile());
    ASSERT_TRUE(ini);
    EXPECT_NE(ini->find("LEFT=" + std::to_string(win32::PixelsToTwips(150, dpi))), std::string::npos) << *ini;
    EXPECT_NE(ini->find("TOP=" + std::to_string(win32::PixelsToTwips(120, dpi))), std::string::npos) << *ini;
    EXPECT_NE(ini->find("MINIMIZED=TRUE"), std::string::npos) << *ini;

    Stop();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(IsIconic(window_->Handle())) << "comes back minimised";
    ShowWindow(window_->Handle(), SW_RESTORE);
    Pump();
    const POINT restored = TopLeft(window_->Handle());
    EXPECT_EQ(restored.x, 150);
    EXPECT_EQ(restored.y, 120);
}

TEST_F(GuiPlacementTest, ExitEmptiesTheListFileAndEndsTheWindow) {
    WriteWholeFile(folder_.File("Trivex.LST"), "old list");
    ASSERT_TRUE(Start());
    const HWND window = window_->Handle();
    Choose(Command::FileExit);
    EXPECT_TRUE(logic_->Ended());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(ReadWholeFile(folder_.File("Trivex.LST")), "");
}

TEST_F(GuiPlacementTest, CloseBoxAndHostClosingEndTheProgramWithoutSaving) {
    struct Case {
        const char* what;
        bool hostCloses;
    } cases[] = {{"close box", false}, {"host closing", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(Start());
        const auto before = ReadWholeFile(IniFile());
        SetWindowPos(window_->Handle(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        if (c.hostCloses) {
            host_.Fire(sim::Event::UIView32IsClosing);
        } else {
            PostMessageA(window_->Handle(), WM_CLOSE, 0, 0);
        }
        Pump();
        EXPECT_TRUE(logic_->Ended());
        EXPECT_EQ(ReadWholeFile(IniFile()), before);
        Stop();
    }
}

// Pictures for a person to look at: the window after a plot of the five demo stations, and
// the About window. The test script turns them into PNG files.
TEST_F(GuiPlacementTest, ScreenshotsOfTheWindowAfterAPlotAndOfAbout) {
    const std::string shots = WindowsPath(Environment("TRIVEX_SHOTS"));
    if (shots.empty()) GTEST_SKIP() << "TRIVEX_SHOTS names no folder for the pictures";
    WriteWholeFile(
        IniFile(),
        "[SETUP]\r\nLEFT=1500\r\nTOP=1500\r\nIgnoreDistance=4\r\nPlotLineThickness=2\r\n"
        "CallSign1=G4DFA\r\nCallSign2=G3RDF\r\nCallSign3=M0FOX\r\nCallSign4=G8HNT\r\nCallSign5=2E0TRK\r\n");
    ASSERT_TRUE(Start());
    Choose(Command::Plot);
    Pump(300ms);
    EXPECT_NE(WindowText(window_->Control(ui::ControlId::Solution)), "N/A");
    EXPECT_TRUE(SaveWindowPicture(window_->Handle(), shots + "\\main-window-after-plot.bmp"));
    Choose(Command::About);
    Pump(300ms);
    ASSERT_NE(window_->AboutHandle(), nullptr);
    EXPECT_TRUE(SaveWindowPicture(window_->AboutHandle(), shots + "\\about-window.bmp"));
}

}  // namespace
}  // namespace trivex::test
