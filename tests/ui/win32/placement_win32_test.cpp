// The settings file and the window's place across starts, and the screenshots of the window
// after a plot and of the About window.
#include <gtest/gtest.h>

#include "gui_fixture.h"
#include "ui/win32/layout_win32.h"

namespace trivex::test {
namespace {

using ui::Command;
using GuiPlacementTest = GuiTest;

TEST_F(GuiPlacementTest, FirstStartWritesTheSettingsFileAndSaveRoundTripsPositionAndMinimisedState) {
    ASSERT_FALSE(ReadWholeFile(IniFile()));
    ASSERT_TRUE(Start());
    const auto first = ReadWholeFile(IniFile());
    ASSERT_TRUE(first) << "the first start writes the settings file";
    EXPECT_NE(first->find("MINIMIZED=FALSE\r\nPlotLineThickness=1\r\n"), std::string::npos) << *first;

    const HWND window = window_->Handle();
    SetWindowPos(window, nullptr, 150, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Pump();
    ShowWindow(window, SW_MINIMIZE);
    Pump();
    Choose(Command::FileSave);
    const std::string saved = ReadWholeFile(IniFile()).value_or("");
    const int dpi = window_->Dpi();
    for (const std::string& line :
         {"LEFT=" + std::to_string(win32::PixelsToTwips(150, dpi)),
          "TOP=" + std::to_string(win32::PixelsToTwips(120, dpi)), std::string("MINIMIZED=TRUE")})
        EXPECT_NE(saved.find(line + "\r\n"), std::string::npos) << line << " missing in:\n" << saved;

    Stop();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(IsIconic(window_->Handle())) << "comes back minimised";
    ShowWindow(window_->Handle(), SW_RESTORE);
    Pump();
    RECT rect;
    GetWindowRect(window_->Handle(), &rect);
    EXPECT_EQ(rect.left, 150);
    EXPECT_EQ(rect.top, 120);

    // The close box ends the program without saving.
    SetWindowPos(window_->Handle(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PostMessageA(window_->Handle(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_TRUE(logic_->Ended());
    EXPECT_EQ(ReadWholeFile(IniFile()), saved);
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
    EXPECT_EQ(WindowText(window_->Control(ui::ControlId::Label3)), "first 5 of 9 intersections");
    EXPECT_TRUE(SaveWindowPicture(window_->Handle(), shots + "\\main-window-after-plot.bmp"));
    Choose(Command::About);
    Pump(300ms);
    ASSERT_NE(window_->AboutHandle(), nullptr);
    EXPECT_TRUE(SaveWindowPicture(window_->AboutHandle(), shots + "\\about-window.bmp"));
}

}  // namespace
}  // namespace trivex::test
