#include "tests/ui/main_window_fixture.h"

namespace trivex::ui {
namespace {

TEST(MainWindowStartup, RefusalsEndTheProgramBeforeAnythingIsWritten) {
    const std::string badHost =
        " is invalid for this add-on, minimum version 1.55, maximum version 2.99 is required";
    struct Case {
        bool otherInstance;
        std::optional<FixedFileVersion> hostVersion;
        std::string message;
    };
    const Case cases[] = {
        {true, FixedFileVersion{2, 0, 0, 3}, "Another instance of this program is already running"},
        {false, std::nullopt, "Your current version of uiview32 (Unable to locate EXE file)" + badHost},
        {false, FixedFileVersion{3, 0, 0, 0}, "Your current version of uiview32 (3.00)" + badHost},
        {false, FixedFileVersion{1, 5, 0, 4}, "Your current version of uiview32 (1.54)" + badHost},
    };
    for (const Case& c : cases) {
        Program program;
        auto& [host, view, platform, window] = program;
        platform.otherInstance = c.otherInstance;
        platform.hostVersion = c.hostVersion;
        EXPECT_FALSE(window.Startup()) << c.message;
        EXPECT_TRUE(platform.ended) << c.message;
        ASSERT_EQ(view.Messages().size(), 1u) << c.message;
        EXPECT_EQ(view.Messages()[0].style, 16);
        EXPECT_NE(view.Messages()[0].text.find("\r\n\r\n" + c.message + "\r\n\r\n"), std::string::npos)
            << view.Messages()[0].text;
        EXPECT_FALSE(view.Shown()) << c.message;
        EXPECT_FALSE(platform.File(kIniPath).has_value()) << c.message;
        EXPECT_FALSE(platform.File(kListPath).has_value()) << c.message;
        EXPECT_TRUE(host.Journal().empty()) << c.message;
    }
}

TEST_F(MainWindowTest, SecondInstanceActivatesTheFirstAndRenamesItself) {
    platform.otherInstance = true;
    EXPECT_FALSE(Start());
    EXPECT_EQ(platform.activatedWindows, std::vector<std::string>{"UI-View32 add-on TrivexV1.4.2"});
    EXPECT_EQ(view.Caption(), "... duplicate instance.");
}

TEST_F(MainWindowTest, UnreadableHostFolderIsReportedThenRefused) {
    platform.hostFolderError = "Access is denied.";
    EXPECT_FALSE(Start());
    ASSERT_EQ(view.Messages().size(), 2u);
    EXPECT_EQ(view.Messages()[0],
              (MessageBoxRecord{16, "UI-Trivex",
                                "AN error occurred getting the UIView folder. The system error message is "
                                "'Access is denied.'"}));
    EXPECT_NE(view.Messages()[1].text.find("(Unable to locate EXE file)"), std::string::npos);
}

// The scenarios end the program in each of its ways; here what they do not show.
TEST_F(MainWindowTest, ShutdownEmptiesTheListFileInPlaceClosesTheHelpAndSavesNothing) {
    platform.PutFile(kListPath, "old entries");
    ASSERT_TRUE(Start());
    const auto settings = platform.File(kIniPath);
    platform.readOnlyFolder = true;
    window.OnCommand(Command::FileExit);
    EXPECT_EQ(platform.File(kListPath), "");
    EXPECT_EQ(platform.closedHelpFiles, std::vector<std::string>{"C:\\Trivex\\Trivex.HLP"});
    EXPECT_EQ(platform.File(kIniPath), settings);
    host.Fire(sim::Event::MapRedrawn);  // nothing listens any more
    EXPECT_EQ(Text(ControlId::Status).find("MapRedrawn"), std::string::npos);
}

TEST_F(MainWindowTest, WindowIsTopmostFromTheFirstConnectionOn) {
    host.FailNext("GetMap", "map not ready");
    ASSERT_TRUE(Start());
    EXPECT_FALSE(view.Topmost());
    window.OnCommand(Command::Plot);  // connects
    EXPECT_TRUE(view.Topmost());
}

TEST_F(MainWindowTest, HostFailureAtStartUpKeepsEveryCallSign) {
    SetCallSigns({"A1", "A2", "A3", "A4", "A5"});
    host.FailNext("GetStationInfo", "station list locked");
    ASSERT_TRUE(Start());
    ASSERT_EQ(view.Messages().size(), 1u);
    EXPECT_EQ(view.Messages()[0].style, 48);
    EXPECT_NE(view.Messages()[0].text.find("The host reported an error: station list locked"),
              std::string::npos);
    for (int row = 0; row < 5; ++row) EXPECT_EQ(Text(CallSignBox(row)), "A" + std::to_string(row + 1));
}

}  // namespace
}  // namespace trivex::ui
