#include "tests/ui/main_window_fixture.h"

namespace trivex::ui {
namespace {

using StartupTest = MainWindowTest;

// It ends at once, before it writes anything or asks the host (the refusals of the host's version
// are shown by the unsupported-host scenario).
TEST_F(StartupTest, SecondInstanceActivatesTheFirstAndRenamesItself) {
    platform.otherInstance = true;
    EXPECT_FALSE(Start());
    EXPECT_TRUE(platform.ended);
    EXPECT_EQ(platform.activatedWindows, std::vector<std::string>{"UI-View32 add-on TrivexV1.4.2"});
    EXPECT_EQ(view.Caption(), "... duplicate instance.");
    EXPECT_FALSE(platform.File(kIniPath) || platform.File(kListPath) || !host.Journal().empty());
}

TEST_F(StartupTest, UnreadableHostFolderIsReportedThenRefused) {
    platform.hostFolderError = "Access is denied.";
    EXPECT_FALSE(Start());
    ASSERT_EQ(view.Messages().size(), 2u);
    EXPECT_EQ(view.Messages()[0],
              (MessageBoxRecord{MessageStyle::Critical, "UI-Trivex",
                                "AN error occurred getting the UIView folder. The system error message is "
                                "'Access is denied.'"}));
    EXPECT_NE(view.Messages()[1].text.find("(Unable to locate EXE file)"), std::string::npos);
}

// The scenarios end the program in each of its ways; here what they do not show.
TEST_F(StartupTest, ShutdownEmptiesTheListFileInPlaceClosesTheHelpAndSavesNothing) {
    platform.PutFile(kListPath, "old entries");
    ASSERT_TRUE(Start());
    const auto settings = platform.File(kIniPath);
    platform.readOnlyFolder = true;
    window.OnCommand(Command::HelpHelp);  // the help opens with the desktop as its owner
    EXPECT_EQ(platform.shellRequests, (std::vector<ShellRequest>{{"C:\\Trivex\\Trivex.html", true}}));
    window.OnCommand(Command::FileExit);
    EXPECT_EQ(platform.File(kListPath), "");
    EXPECT_EQ(platform.closedHelpFiles, std::vector<std::string>{"C:\\Trivex\\Trivex.HLP"});
    EXPECT_EQ(platform.File(kIniPath), settings);
    host.Fire(sim::Event::MapRedrawn);  // nothing listens any more
    EXPECT_EQ(Text(ControlId::Status).find("MapRedrawn"), std::string::npos);
}

TEST_F(StartupTest, WindowIsTopmostFromTheFirstConnectionOn) {
    host.FailNext("GetMap", "map not ready");
    ASSERT_TRUE(Start());
    EXPECT_FALSE(view.Topmost());
    window.OnCommand(Command::Plot);  // connects
    EXPECT_TRUE(view.Topmost());
}

}  // namespace
}  // namespace trivex::ui
