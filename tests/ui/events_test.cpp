#include "tests/ui/main_window_fixture.h"

namespace trivex::ui {
namespace {

using EventsTest = MainWindowTest;

TEST_F(EventsTest, KeyFilterUpperCasesAndRefuses) {
    ASSERT_TRUE(Start());
    struct Case {
        char key;
        std::optional<int16_t> passed;
        int beeps;
    };
    const Case cases[] = {
        {'Z', 'Z', 0},  // the last letter (the typing scenario shows the rest)
        {'0', '0', 0},  // the first digit
        {'9', '9', 0},  // and the last
        {'-', '-', 0},  // the hyphen passes
        {'_', {}, 1},   // anything else is refused with a beep
    };
    for (const Case& c : cases) {
        const int beepsBefore = view.Beeps();
        EXPECT_EQ(window.OnCallSignKey(0, c.key), c.passed) << "key " << c.key;
        EXPECT_EQ(view.Beeps() - beepsBefore, c.beeps) << "key " << c.key;
    }
}

// Map events are logged, and plot only with replot on: off, no host call at all; on, each event
// plots, the second one after the first one's plot has ended.
TEST_F(EventsTest, MapEventsPlotOnlyWithReplotOn) {
    ASSERT_TRUE(Start());
    for (const bool replot : {false, true}) {
        if (replot) window.OnCommand(Command::OptionsReplot);
        host.TakeJournal();
        view.SetText(ControlId::Status, "");
        host.Fire(sim::Event::MapRedrawn);
        host.Fire(sim::Event::MapHasChanged);
        EXPECT_EQ(host.Journal().empty(), !replot) << replot;
        EXPECT_EQ(CountCalls("GetStationInfo"), replot ? 2 * 5 : 0) << replot;  // five rows of NOCALLs
        const std::string log = Text(ControlId::Status);
        EXPECT_TRUE(log.find("MapRedrawn()\r\n") != std::string::npos && log.ends_with("MapHasChanged()\r\n"))
            << replot << ": " << log;
    }
}

// The About window opens again once closed, and its link opens the web address, which the
// desktop does not own.
TEST_F(EventsTest, AboutOpensAgainAndItsLinkOpensTheWebAddress) {
    ASSERT_TRUE(Start());
    window.OnCommand(Command::About);
    window.OnAboutOk();
    window.OnCommand(Command::About);
    EXPECT_TRUE(view.About() && window.AboutOpen());
    window.OnAboutLinkClicked();
    EXPECT_EQ(platform.shellRequests, (std::vector<ShellRequest>{{kWebAddress, false}}));
}

TEST_F(EventsTest, BeaconPlotsOncePerMatchingRowWhateverTheReplotOption) {
    ASSERT_TRUE(StartWithCallSigns({"G4ABC", "G4XYZ", "G4ABC", "", ""}));
    const std::pair<const char*, int> cases[] = {
        {"G4ABC", 2},  // stands in two rows
        {"g4xyz", 0},  // compared exactly
    };
    for (const auto& [callsign, plots] : cases) {
        host.TakeJournal();
        view.SetText(ControlId::Status, "");
        host.FireNotifyBeacon(callsign, 3123.5f, -7.25f);
        EXPECT_EQ(CountCalls("GetStationInfo"), 3 * plots) << callsign;  // three rows hold a call-sign
        EXPECT_EQ(Text(ControlId::Status)
                      .rfind(std::string("NotifyBeacon(") + callsign + ", 3123.5, -7.25)\r\n", 0),
                  0u)
            << callsign;
    }
}

// The plot draws six lines; one replot serves all six redraws, and what the replot draws is
// taken as its own echo.
TEST_F(EventsTest, HostThatRedrawsOnEveryLineDoesNotPlotForEver) {
    host.stations = {{"A", 30, 50, "", "", "%090%005"}, {"B", 20, 60, "", "", "%000%005"}};
    ASSERT_TRUE(StartWithCallSigns({"A", "B", "", "", ""}));
    window.OnCommand(Command::OptionsReplot);
    host.FireDuring("DrawLine", sim::Event::MapRedrawn);
    host.TakeJournal();
    window.OnCommand(Command::Plot);
    EXPECT_EQ(CountCalls("GetStationInfo"), 2 * 2) << "two plots of two rows";
}

TEST_F(EventsTest, EventsWhileAMessageBoxIsOpenAreHandledAfterIt) {
    ASSERT_TRUE(Start());
    view.whileMessageShown = [this] { host.FireNotifyBeacon("X", 1, 2); };
    host.FailNext("GetStationInfo", "boom");
    window.OnCommand(Command::Plot);
    ASSERT_EQ(view.Messages().size(), 1u);
    EXPECT_NE(Text(ControlId::Status).find("NotifyBeacon(X, 1, 2)\r\n"), std::string::npos);
}

// A fault of the program inside a host call: the run-time error box, then the end,
// whichever handler it struck.
TEST(MainWindowFaultTest, FaultOfTheProgramShowsTheRunTimeErrorAndEndsWhereverItStrikes) {
    const std::pair<const char*, std::function<void(Program&)>> cases[] = {
        {"menu", [](Program& w) { w.window.OnCommand(Command::Plot); }},
        {"Enter key", [](Program& w) { static_cast<void>(w.window.OnCallSignKey(0, 13)); }},  // its plot
        {"beacon", [](Program& w) { w.host.FireNotifyBeacon("NOCALL2", 1, 2); }},
        {"map redrawn", [](Program& w) { w.host.Fire(sim::Event::MapRedrawn); }},
        {"warning box",  // a fault while the host-error warning is open
         [](Program& w) {
             w.view.whileMessageShown = [thrown = false]() mutable {
                 if (!std::exchange(thrown, true)) throw std::runtime_error("fault");
             };
             w.host.FailNext("GetStationInfo", "boom");
             w.window.OnCommand(Command::Plot);
         }},
    };
    for (const auto& [what, trigger] : cases) {
        Program w;
        ASSERT_TRUE(w.StartWith("ReplotAfterMapIsRedrawn=TRUE\r\n"));
        w.host.AfterEveryCall([](const std::string& call) {
            if (call == "GetStationInfo") throw std::runtime_error("fault");
        });
        trigger(w);
        ASSERT_FALSE(w.view.Messages().empty()) << what;
        EXPECT_EQ(w.view.Messages().back(),
                  (MessageBoxRecord{MessageStyle::Critical, "UI-Trivex", "Run-time error: fault"}))
            << what;
        EXPECT_TRUE(w.platform.ended && w.window.Ended()) << what;
        w.host.TakeJournal();
        w.window.OnCommand(Command::Plot);  // nothing runs after the end
        EXPECT_TRUE(w.host.Journal().empty()) << what;
    }
}

TEST_F(EventsTest, LogIsCutToItsLastTenThousandCharacters) {
    ASSERT_TRUE(Start());
    const std::pair<size_t, size_t> cases[] = {
        {15000, 15000 + 14},  // at the limit nothing is cut
        {15001, 10000 + 14},  // one more and only the last 10000 stay
    };
    for (const auto& [before, after] : cases) {
        view.SetText(ControlId::Status, "x" + std::string(before - 2, '-') + "y");
        host.Fire(sim::Event::MapRedrawn);
        const std::string log = Text(ControlId::Status);
        EXPECT_EQ(log.size(), after) << before;
        EXPECT_EQ(log.substr(log.size() - 15), "yMapRedrawn()\r\n") << before;
    }
}

// A NUL in a host's text is logged as a blank: the log box would end the text there.
TEST_F(EventsTest, NulInAHostTextIsLoggedAsABlank) {
    host.stations = FiveStations();
    host.stations[0].infoText1 = std::string("A\0B", 3);
    ASSERT_TRUE(StartWithCallSigns({"PA1A", "PA1B", "PA1C", "", ""}));
    const std::string log = Text(ControlId::Status);
    EXPECT_EQ(log.find('\0'), std::string::npos) << log;
    EXPECT_NE(log.find("\r\nA B\r\na2\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("***** End of info for PA1C *****\r\n"), std::string::npos) << log;
}

}  // namespace
}  // namespace trivex::ui
