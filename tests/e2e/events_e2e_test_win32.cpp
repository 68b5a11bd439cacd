// Trivex.exe following the stand-in host: its events, an event fired inside a call, and the
// host closing.
#include <gmock/gmock.h>

#include <functional>
#include <tuple>

#include "e2e_fixture_win32.h"

namespace trivex::test {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ui::Command;
using ui::ControlId;

const std::string kReplotSettings = std::string(kFiveStationsSettings) + "ReplotAfterMapIsRedrawn=TRUE\r\n";

bool IsPlot(const json& journal) {
    return Calls(journal, "GetStationInfo").size() == 5;
}

// Events run after the host's call that delivered them, in order: once a beacon of no row
// fired after them is logged, they are done. The log from `from` on, without that line.
std::string LogOnceEventsAreDone(TrivexProgram& trivex, standin::StandInControlClient& control, size_t from) {
    static int probes = 0;
    const std::string probe = "PROBE" + std::to_string(++probes);
    const std::string line = "NotifyBeacon(" + probe + ", 0, 0)\r\n";
    control.FireNotifyBeacon(probe, 0.0f, 0.0f);
    std::string log;
    EXPECT_TRUE(WaitUntil([&] { return (log = trivex.Text(ControlId::Status)).ends_with(line); }));
    return log.substr(from, log.size() - from - line.size());
}

// Events of both of the host's objects reach the program through its message loop; which of
// them plot is the logic's to decide, and its tests show the rest of the rules.
TEST_F(EndToEndTest, EventsOfTheApplicationAndTheMapAndEnterPlot) {
    UseHost();
    StartTrivex(kFiveStationsSettings, 5, 15);
    const std::tuple<const char*, std::function<void()>, bool, const char*> cases[] = {
        // the application's beacon of a row's station plots, after its log line
        {"beacon", [&] { Control().FireNotifyBeacon("G8HOP", 3200.8f, -104.64f); }, true,
         "NotifyBeacon(G8HOP, 3200.8, -104.64)\r\n"},
        // the map's event with the option off is only logged
        {"map changed", [&] { Control().FireEvent("MapHasChanged"); }, false, "MapHasChanged()\r\n"},
        // with the option on it plots
        {"map redrawn, replot on",
         [&] {
             trivex_.Choose(Command::OptionsReplot);
             Control().FireEvent("MapRedrawn");
         },
         true, "MapRedrawn()\r\n"},
        // typed keys are upper-cased, "/" is refused, Enter plots
        {"typing and Enter",
         [&] {
             trivex_.SetText(ui::CallSignBox(4), "");
             trivex_.Type(ui::CallSignBox(4), "m7/nml\r");
         },
         true, ""},
    };
    for (const auto& [what, act, plots, line] : cases) {
        const size_t logBefore = trivex_.Text(ControlId::Status).size();
        act();
        const std::string logged = LogOnceEventsAreDone(trivex_, Control(), logBefore);
        EXPECT_EQ(IsPlot(Journal()), plots) << what;
        EXPECT_THAT(logged, HasSubstr(line)) << what;
    }
    EXPECT_EQ(trivex_.Text(ui::CallSignBox(4)), "M7NML");
}

TEST_F(EndToEndTest, EventFiredInsideAddObjectIsHandledAfterThePlot) {
    UseHost();
    StartTrivex(kReplotSettings, 5, 15);
    Control().FireDuring("AddObject", "MapRedrawn");
    trivex_.Choose(Command::Plot);
    const std::string log = LogOnceEventsAreDone(trivex_, Control(), 0);

    const json journal = Journal();
    EXPECT_EQ(Calls(journal, "GetStationInfo").size(), 10u) << "the plot, then the replot of the event";
    EXPECT_EQ(Calls(journal, "AddObject").size(), 1u) << "the replot finds the fix where it is";
    size_t added = 0;
    while (added < journal.size() && journal[added]["call"] != "AddObject") ++added;
    size_t replot = added;
    while (replot < journal.size() && journal[replot]["call"] != "GetStationInfo") ++replot;
    ASSERT_LT(replot, journal.size());
    EXPECT_EQ(journal[replot - 1]["call"], "DrawCircle")
        << "the plot marks its solution before the replot starts";
    EXPECT_THAT(log, EndsWith("MapRedrawn()\r\n"));
    EXPECT_EQ(trivex_.Text(ControlId::ObjectLabel), "Object RDFFIX0 at same location.");
}

TEST_F(EndToEndTest, HostClosingEndsTrivexThroughItsShutDown) {
    UseHost();
    WriteWholeFile(trivex_.File("Trivex.LST"), "an earlier list");
    StartTrivex(kFiveStationsSettings, 5, 15);
    const auto settings = ReadWholeFile(trivex_.File("Trivex.INI"));
    Control().FireEvent("UIView32IsClosing");
    EXPECT_EQ(trivex_.Process().WaitForExit(), 0u);
    EXPECT_EQ(ReadWholeFile(trivex_.File("Trivex.LST")), "");
    EXPECT_EQ(ReadWholeFile(trivex_.File("Trivex.INI")), settings) << "shut-down does not save";
}

}  // namespace
}  // namespace trivex::test
