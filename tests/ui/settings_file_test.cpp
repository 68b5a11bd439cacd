#include "tests/ui/main_window_fixture.h"

#include <limits>

namespace trivex::ui {
namespace {

TEST(MainWindowSettings, LoadAppliesTheFileAndFallsBackOnBadValues) {
    struct Case {
        const char* what;
        const char* lines;
        WindowPosition position;
        bool minimised;
        int thickness;
        int ignoreItem;
        double ignoreMetres;
        bool replot;
    };
    const Case cases[] = {
        {"plain values",
         "LEFT=100\r\nTOP=200\r\nPlotLineThickness=3\r\nIgnoreDistance=4\r\n",
         {100, 200},
         false,
         3,
         4,
         50000,
         false},
        {"out of range numbers",
         "PlotLineThickness=7\r\nIgnoreDistance=0\r\n",
         {4590, 3135},
         false,
         1,
         1,
         1000,
         false},
        {"halves to even",
         "PlotLineThickness=2.5\r\nIgnoreDistance=3.5\r\n",
         {4590, 3135},
         false,
         2,
         4,
         50000,
         false},
        {"beyond the screen is centred, negative kept",
         "LEFT=20000\r\nTOP=-120\r\n",
         {4590, -120},
         false,
         1,
         1,
         1000,
         false},
        {"empty values count as 0 or false",
         "LEFT=\r\nTOP=\r\nMINIMIZED=\r\nReplotAfterMapIsRedrawn=\r\n",
         {0, 0},
         false,
         1,
         1,
         1000,
         false},
        {"yes and on are true",
         "MINIMIZED=yes\r\nReplotAfterMapIsRedrawn=on\r\n",
         {4590, 3135},
         true,
         1,
         1,
         1000,
         true},
        {"Y is not true",
         "MINIMIZED=Y\r\nReplotAfterMapIsRedrawn=Y\r\n",
         {4590, 3135},
         false,
         1,
         1,
         1000,
         false},
        {"text not beginning with a number counts 0",
         "LEFT=abc\r\nIgnoreDistance=six\r\n",
         {0, 3135},
         false,
         1,
         1,
         1000,
         false},
    };
    for (const Case& c : cases) {
        sim::SimHost host;
        MemoryView view;
        MemoryPlatform platform;
        platform.PutFile(kIniPath, std::string("[SETUP]\r\n") + c.lines);
        MainWindow window(view, platform, host);
        ASSERT_TRUE(window.Startup()) << c.what;
        EXPECT_EQ(view.Position(), c.position) << c.what;
        EXPECT_EQ(view.IsMinimised(), c.minimised) << c.what;
        EXPECT_EQ(window.CurrentSettings().PlotLineThickness, c.thickness) << c.what;
        EXPECT_EQ(window.CurrentSettings().IgnoreDistance, c.ignoreMetres) << c.what;
        EXPECT_EQ(window.CurrentSettings().ReplotAfterMapIsRedrawn, c.replot) << c.what;
        for (int n = 1; n <= 4; ++n) EXPECT_EQ(view.IsChecked(ThicknessItem(n)), n == c.thickness) << c.what;
        for (int n = 1; n <= 6; ++n) EXPECT_EQ(view.IsChecked(IgnoreItem(n)), n == c.ignoreItem) << c.what;
        EXPECT_EQ(view.IsChecked(Command::OptionsReplot), c.replot) << c.what;
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

TEST_F(MainWindowTest, LoadKeepsRejectedValuesInTheFile) {
    platform.PutFile(kIniPath, "[SETUP]\r\nPlotLineThickness=7\r\n");
    ASSERT_TRUE(Start());
    EXPECT_NE(platform.File(kIniPath)->find("PlotLineThickness=7\r\n"), std::string::npos);
}

TEST_F(MainWindowTest, SaveWritesWhatTheWindowShowsAndNothingElseSaves) {
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

TEST_F(MainWindowTest, SaveWhileMinimisedKeepsThePositionFromBefore) {
    ASSERT_TRUE(Start());
    view.MoveTo({1000, 2000});
    window.OnPlacementChanged();  // moved while not minimised
    view.SetMinimised(true);
    view.MoveTo({-32000, -32000});  // where a minimised window reports itself
    window.OnPlacementChanged();
    window.OnCommand(Command::FileSave);
    const std::string file = *platform.File(kIniPath);
    EXPECT_NE(file.find("LEFT=1000\r\nTOP=2000\r\nMINIMIZED=TRUE\r\n"), std::string::npos) << file;
}

TEST_F(MainWindowTest, StartedMinimisedSavesThePositionItRead) {
    platform.PutFile(kIniPath, "[SETUP]\r\nLEFT=700\r\nTOP=800\r\nMINIMIZED=TRUE\r\n");
    ASSERT_TRUE(Start());
    window.OnCommand(Command::FileSave);
    EXPECT_NE(platform.File(kIniPath)->find("LEFT=700\r\nTOP=800\r\nMINIMIZED=TRUE\r\n"), std::string::npos);
}

// In a folder that refuses new files, Save writes the settings file in place; with no file to
// write, it says it could not save.
TEST(MainWindowSettings, SaveInAFolderThatRefusesNewFiles) {
    for (const bool fileExists : {true, false}) {
        sim::SimHost host;
        MemoryView view;
        MemoryPlatform platform;
        platform.readOnlyFolder = !fileExists;
        MainWindow window(view, platform, host);
        ASSERT_TRUE(window.Startup());
        platform.readOnlyFolder = true;
        view.SetText(CallSignBox(2), "G4NEW");
        window.OnCommand(Command::FileSave);
        const auto file = platform.File(kIniPath);
        EXPECT_EQ(file && file->find("CallSign3=G4NEW\r\n") != std::string::npos, fileExists) << fileExists;
        ASSERT_EQ(view.Messages().size(), fileExists ? 0u : 1u);
        if (!fileExists) {
            EXPECT_EQ(view.Messages()[0].style, 48);
            EXPECT_NE(
                view.Messages()[0].text.find("The settings could not be saved to C:\\Trivex\\Trivex.INI"),
                std::string::npos);
            EXPECT_EQ(view.Text(CallSignBox(2)), "G4NEW");
        }
        EXPECT_FALSE(platform.File(kIniPath + std::string(".tmp")));
        EXPECT_FALSE(window.Ended());
    }
}

TEST_F(MainWindowTest, ReadOnlyFolderStartsSilentlyOnDefaults) {
    platform.readOnlyFolder = true;
    ASSERT_TRUE(Start());
    EXPECT_TRUE(view.Messages().empty());
    EXPECT_EQ(Text(CallSignBox(4)), "NOCALL5");
    window.OnCommand(Command::FileExit);  // the list file cannot be emptied either: no message
    EXPECT_TRUE(view.Messages().empty());
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
        sim::SimHost host;
        MemoryView view;
        MemoryPlatform platform;
        platform.PutFile(kIniPath, userFile);
        if (atStartup) platform.SetReadError(kIniPath, reason);
        MainWindow window(view, platform, host);
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

TEST_F(MainWindowTest, OptionsMoveTheirCheckMarksWithoutPlottingOrSaving) {
    ASSERT_TRUE(Start());
    host.TakeJournal();
    window.OnCommand(IgnoreItem(5));
    window.OnCommand(IgnoreItem(5));  // choosing the checked item again keeps it
    window.OnCommand(ThicknessItem(4));
    window.OnCommand(Command::OptionsReplot);
    window.OnCommand(Command::OptionsReplot);
    EXPECT_EQ(window.CurrentSettings().IgnoreDistance, 100000.0);
    EXPECT_EQ(window.CurrentSettings().PlotLineThickness, 4);
    EXPECT_FALSE(window.CurrentSettings().ReplotAfterMapIsRedrawn);
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(view.IsChecked(IgnoreItem(n)), n == 5) << n;
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(view.IsChecked(ThicknessItem(n)), n == 4) << n;
    EXPECT_FALSE(view.IsChecked(Command::OptionsReplot));
    EXPECT_TRUE(host.Journal().empty());
}

}  // namespace
}  // namespace trivex::ui
