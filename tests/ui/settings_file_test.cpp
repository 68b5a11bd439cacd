#include "tests/ui/main_window_fixture.h"

#include <limits>
#include <sstream>

namespace trivex::ui {
namespace {

using SettingsFileTest = MainWindowTest;

// What the window took from the settings file: position, check marks and the values behind them.
std::string Applied(const MainWindow& window, MemoryView& view) {
    const Settings& settings = window.CurrentSettings();
    std::string text = std::to_string(view.Position().left) + "," + std::to_string(view.Position().top);
    for (int n = 1; n <= kThicknessItems; ++n)
        text += view.IsChecked(ThicknessItem(n)) ? " T" + std::to_string(n) : "";
    for (int n = 1; n <= kIgnoreItems; ++n)
        text += view.IsChecked(IgnoreItem(n)) ? " I" + std::to_string(n) : "";
    std::ostringstream values;
    values << " " << settings.plotLineThickness << " " << settings.ignoreDistance << " m";
    text += values.str();
    if (view.IsMinimised()) text += " minimised";
    if (settings.replotAfterMapIsRedrawn) text += " replot";
    if (settings.showBestEstimate) text += " estimate";
    return text + (view.IsChecked(Command::OptionsReplot) ? " R" : "") +
           (view.IsChecked(Command::OptionsShowEstimate) ? " E" : "");
}

// The screen is 15360 x 11520 twips and the window 6180 x 5250: centred at 4590,3135.
TEST(MainWindowSettings, LoadAppliesTheFileAndFallsBackOnBadValues) {
    const std::pair<const char*, const char*> cases[] = {
        // plain values
        {"LEFT=100\r\nTOP=200\r\nPlotLineThickness=3\r\nIgnoreDistance=4\r\n", "100,200 T3 I4 3 50000 m"},
        // out of range numbers fall back to the first items
        {"PlotLineThickness=7\r\nIgnoreDistance=0\r\n", "4590,3135 T1 I1 1 1000 m"},
        // halves round to even, up and down
        {"PlotLineThickness=1.5\r\nIgnoreDistance=2.5\r\n", "4590,3135 T2 I2 2 5000 m"},
        // beyond the screen's width is centred; a negative edge is kept
        {"LEFT=20000\r\nTOP=-120\r\n", "4590,-120 T1 I1 1 1000 m"},
        // beyond the screen's height, though within its width, is centred
        {"LEFT=15000\r\nTOP=12000\r\n", "15000,3135 T1 I1 1 1000 m"},
        // empty values count as 0 or false
        {"LEFT=\r\nTOP=\r\nMINIMIZED=\r\nReplotAfterMapIsRedrawn=\r\n", "0,0 T1 I1 1 1000 m"},
        // yes and on are true
        {"MINIMIZED=yes\r\nReplotAfterMapIsRedrawn=on\r\n", "4590,3135 T1 I1 1 1000 m minimised replot R"},
        // so are TRUE and 1, and names match in any case (a "z" for the "Z")
        {"minimized=1\r\nReplotAfterMapIsRedrawn=TRUE\r\n", "4590,3135 T1 I1 1 1000 m minimised replot R"},
        // Y is not true
        {"MINIMIZED=Y\r\nReplotAfterMapIsRedrawn=Y\r\nShowBestEstimate=Y\r\n", "4590,3135 T1 I1 1 1000 m"},
        // the best estimate shown
        {"ShowBestEstimate=On\r\n", "4590,3135 T1 I1 1 1000 m estimate E"},
        // text not beginning with a number counts 0
        {"LEFT=abc\r\nIgnoreDistance=six\r\n", "0,3135 T1 I1 1 1000 m"},
    };
    for (const auto& [lines, applied] : cases) {
        Program program;
        ASSERT_TRUE(program.StartWith(lines)) << lines;
        EXPECT_EQ(Applied(program.window, program.view), applied) << lines;
        EXPECT_NE(program.platform.File(kIniPath)->find(lines), std::string::npos)
            << "rejected values stay in the file";
    }
}

// Sizes at the ends of their range leave more room beside the window than 32 bits hold.
TEST(MainWindowSettings, CentringHoldsExtremeSizes) {
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min(), kMax = std::numeric_limits<int32_t>::max();
    sim::SimHost host;
    MemoryView view({kMax, kMin});
    MemoryPlatform platform;
    platform.screen = {kMin, kMax};
    MainWindow window(view, platform, host);
    ASSERT_TRUE(window.Startup());
    EXPECT_EQ(view.Position(), (WindowPosition{kMin, kMax}));
}

TEST_F(SettingsFileTest, SaveWritesWhatTheWindowShowsAndNothingElseSaves) {
    ASSERT_TRUE(Start());
    view.SetText(CallSignBox(0), "G4XYZ");
    window.OnCommand(Command::Thickness3);
    window.OnCommand(IgnoreItem(5));
    window.OnCommand(Command::OptionsReplot);
    const auto beforeSave = platform.File(kIniPath);
    window.OnCommand(Command::Plot);
    EXPECT_EQ(platform.File(kIniPath), beforeSave);  // neither commands nor a plot save

    view.MoveTo({300, 400});
    window.OnPlacementChanged();
    window.OnCommand(Command::FileSave);
    EXPECT_EQ(
        platform.File(kIniPath),
        "[SETUP]\r\nLEFT=300\r\nTOP=400\r\nMINIMIZED=FALSE\r\nPlotLineThickness=3\r\nIgnoreDistance=5\r\n"
        "ReplotAfterMapIsRedrawn=TRUE\r\nCallSign1=G4XYZ\r\nCallSign2=NOCALL2\r\nCallSign3=NOCALL3\r\n"
        "CallSign4=NOCALL4\r\nCallSign5=NOCALL5\r\n");
    EXPECT_EQ(window.Stations()[0].Callsign, "G4XYZ");
}

// Show best estimate is kept only once it has been on: Save writes it when it is on or already
// in the file; a file without it stays without it.
TEST(MainWindowSettings, ShowBestEstimateIsSavedOnceItHasBeenOn) {
    struct Case {
        const char* file;
        int toggles;
        const char* saved;  // the key's line, or nothing
    };
    const Case cases[] = {
        {"", 2, nullptr},                                             // on and off again before Save
        {"", 1, "ShowBestEstimate=TRUE\r\n"},                         // turned on
        {"ShowBestEstimate=1\r\n", 0, "ShowBestEstimate=TRUE\r\n"},   // on from the file
        {"ShowBestEstimate=1\r\n", 1, "ShowBestEstimate=FALSE\r\n"},  // turned off: written off
    };
    for (const Case& c : cases) {
        Program program;
        auto& [host, view, platform, window] = program;
        ASSERT_TRUE(program.StartWith(c.file));
        EXPECT_EQ(platform.File(kIniPath)->find("ShowBestEstimate") != std::string::npos, *c.file != 0)
            << c.file << ": start-up writes no default";
        for (int n = 0; n < c.toggles; ++n) window.OnCommand(Command::OptionsShowEstimate);
        window.OnCommand(Command::FileSave);
        const std::string saved = *platform.File(kIniPath);
        if (c.saved)
            EXPECT_NE(saved.find(c.saved), std::string::npos) << c.file << " " << c.toggles << ": " << saved;
        else
            EXPECT_EQ(saved.find("ShowBestEstimate"), std::string::npos) << c.toggles << ": " << saved;
    }
}

TEST_F(SettingsFileTest, StartedMinimisedSavesThePositionItRead) {
    ASSERT_TRUE(StartWith("LEFT=700\r\nTOP=800\r\nMINIMIZED=TRUE\r\n"));
    window.OnCommand(Command::FileSave);
    EXPECT_NE(platform.File(kIniPath)->find("LEFT=700\r\nTOP=800\r\nMINIMIZED=TRUE\r\n"), std::string::npos);
}

// In a folder that refuses new files and holds no settings file, start-up goes on silently with
// the defaults and Save says it could not save.
TEST_F(SettingsFileTest, SaveInAFolderThatRefusesNewFilesAndHoldsNoSettingsFile) {
    platform.readOnlyFolder = true;
    ASSERT_TRUE(Start());
    window.OnCommand(Command::FileSave);
    EXPECT_FALSE(platform.File(kIniPath) || platform.File(kIniPath + std::string(".tmp")));
    ASSERT_EQ(view.Messages().size(), 1u);
    EXPECT_EQ(view.Messages()[0].style, MessageStyle::Warning);
    EXPECT_NE(view.Messages()[0].text.find("The settings could not be saved to C:\\Trivex\\Trivex.INI"),
              std::string::npos);
    window.OnCommand(Command::FileExit);  // a list file that cannot be made is worth no message
    EXPECT_EQ(view.Messages().size(), 1u);
}

// A settings file that cannot be read, at start-up or later at Save, is never written: start-up
// warns with the file and the system's reason and goes on with the defaults, Save says it could
// not save, and the user's file keeps every byte.
TEST(MainWindowSettings, AFileThatCannotBeReadIsNeverWritten) {
    const std::string userFile =
        "[SETUP]\r\nLEFT=100\r\nTOP=200\r\nMINIMIZED=FALSE\r\nPlotLineThickness=2\r\nIgnoreDistance=3\r\n"
        "ReplotAfterMapIsRedrawn=TRUE\r\nCallSign1=G4XYZ\r\nCallSign2=\r\nCallSign3=\r\nCallSign4=\r\n"
        "CallSign5=\r\n[OTHER]\r\nKept=1\r\n";
    const std::string reason = "Sharing violation.";
    for (const bool atStartup : {true, false}) {
        Program program;
        auto& [host, view, platform, window] = program;
        platform.PutFile(kIniPath, userFile);
        if (atStartup) platform.SetReadError(kIniPath, reason);
        ASSERT_TRUE(window.Startup());
        EXPECT_EQ(view.Text(CallSignBox(0)), atStartup ? "NOCALL1" : "G4XYZ") << atStartup;
        ASSERT_EQ(view.Messages().size(), atStartup ? 1u : 0u);
        if (atStartup) {
            EXPECT_NE(
                view.Messages()[0].text.find("The settings could not be read from C:\\Trivex\\Trivex.INI: " +
                                             reason + "\r\nThe program goes on with the default settings"),
                std::string::npos)
                << view.Messages()[0].text;
        }
        // Released after start-up, or held by another program from now on.
        platform.SetReadError(kIniPath, atStartup ? std::nullopt : std::optional(reason));
        window.OnCommand(Command::FileSave);
        EXPECT_NE(
            view.Messages().back().text.find("The settings could not be saved to C:\\Trivex\\Trivex.INI"),
            std::string::npos)
            << atStartup;
        EXPECT_EQ(platform.File(kIniPath), userFile) << atStartup;
    }
}

// The ignore distance of each item is the plot's test.
TEST_F(SettingsFileTest, OptionsMoveTheirCheckMarksWithoutPlottingOrSaving) {
    ASSERT_TRUE(Start());
    host.TakeJournal();
    const std::pair<Command, const char*> commands[] = {
        {IgnoreItem(6), "4590,3135 T1 I6 1 200000 m"},
        {IgnoreItem(6), "4590,3135 T1 I6 1 200000 m"},  // the checked item again keeps it
        {IgnoreItem(2), "4590,3135 T1 I2 1 5000 m"},    // the last item's mark goes
        {ThicknessItem(4), "4590,3135 T4 I2 4 5000 m"},
        {ThicknessItem(1), "4590,3135 T1 I2 1 5000 m"},  // the last item's mark goes
        {ThicknessItem(3), "4590,3135 T3 I2 3 5000 m"},
        {Command::OptionsReplot, "4590,3135 T3 I2 3 5000 m replot R"},
        {Command::OptionsReplot, "4590,3135 T3 I2 3 5000 m"},
    };
    for (const auto& [command, applied] : commands) {
        window.OnCommand(command);
        EXPECT_EQ(Applied(window, view), applied);
    }
    EXPECT_TRUE(host.Journal().empty());
}

}  // namespace
}  // namespace trivex::ui
