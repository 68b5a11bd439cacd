// Trivex.exe plotting on the stand-in host, following its events, and plotting again after the
// host's server ended in the middle of a plot.
#include <gmock/gmock.h>

#include <chrono>
#include <stdexcept>
#include <utility>

#include "data_json.h"
#include "e2e_fixture_win32.h"
#include "host/com/com_host_win32.h"
#include "ui/main_window.h"
#include "ui/memory/memory_platform.h"
#include "ui/memory/memory_view.h"

namespace trivex::test {
namespace {

using EventsEndToEndTest = EndToEndTest;

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ui::Command;
using ui::ControlId;

// The settings that name the five stations, with replot on.
const char* const kReplotSettings =
    "[SETUP]\r\nIgnoreDistance=4\r\nReplotAfterMapIsRedrawn=TRUE\r\nCallSign1=G4KDR\r\nCallSign2=M0BXT\r\n"
    "CallSign3=G8HOP\r\nCallSign4=2E0CLF\r\nCallSign5=M7NML\r\n";

// What the window shows of a plot: bearings, intersections, labels and the object label.
template <typename TextOf>
std::string Shown(TextOf text) {
    std::string shown;
    for (int row = 0; row < 5; ++row)
        shown += text(ui::BearingBox(row)) + " | " + text(ui::IntersectBox(row)) + "\n";
    for (const ControlId id : {ControlId::IntersectionCount, ControlId::Solution, ControlId::ObjectLabel})
        shown += text(id) + "\n";
    return shown;
}

// The plot of the five stations with replot on, whose host redraws the map inside AddObject,
// by the same logic on the simulated host in this process: the host calls that must reach the
// stand-in over COM, argument by argument, and what the window must show.
std::pair<json, std::string> InProcessPlot() {
    sim::SimHost host;
    standin::LoadScenario(kFiveStations, host);
    ui::MemoryView view;
    ui::MemoryPlatform platform;
    platform.PutFile(platform.programFolder + "\\Trivex.INI", kReplotSettings);
    ui::MainWindow logic(view, platform, host);
    if (!logic.Startup()) throw std::runtime_error("the in-process program did not start");
    host.FireDuring("AddObject", sim::Event::MapRedrawn);
    host.TakeJournal();
    logic.OnCommand(Command::Plot);
    return {json::parse(standin::JournalJson(host.TakeJournal())),
            Shown([&](ControlId id) { return view.Text(id); })};
}

// Events run after the host's call that delivered them, in order: once a beacon of no row
// fired after them is logged, they are done. The log without that line.
std::string LogOnceEventsAreDone(TrivexProgram& trivex, standin::StandInControlClient& control) {
    static int probes = 0;
    const std::string probe = "PROBE" + std::to_string(++probes);
    const std::string line = "NotifyBeacon(" + probe + ", 0, 0)\r\n";
    control.FireNotifyBeacon(probe, 0.0f, 0.0f);
    std::string log;
    EXPECT_TRUE(WaitUntil([&] { return (log = trivex.Text(ControlId::Status)).ends_with(line); }));
    return log.substr(0, log.size() - line.size());
}

// The map's redraw fired inside AddObject waits for the running plot, over COM as in the
// logic: the calls and the window's texts are those of the same plot in this process. Then an
// application event, a beacon of a row's station, plots again, and the host ends in a plot.
TEST_F(EventsEndToEndTest, PlotsOfARedrawInsideAPlotOfABeaconAndAfterTheHostEnded) {
    StartTrivex(kReplotSettings, 5, 15);
    Control().Call(L"FireDuring", "AddObject", "MapRedrawn");
    trivex_.Choose(Command::Plot);
    EXPECT_THAT(LogOnceEventsAreDone(trivex_, Control()), EndsWith("MapRedrawn()\r\n"));
    const auto [journal, shown] = InProcessPlot();
    EXPECT_EQ(Journal(), journal);
    EXPECT_EQ(Shown([&](ControlId id) { return trivex_.Text(id); }), shown);
    SaveWindowPicture(trivex_.Window(), "e2e-plot.bmp");

    Control().FireNotifyBeacon("G8HOP", 3200.8f, -104.64f);
    EXPECT_THAT(LogOnceEventsAreDone(trivex_, Control()),
                HasSubstr("NotifyBeacon(G8HOP, 3200.8, -104.64)\r\n"));
    EXPECT_EQ(CountCalls(Journal(), "GetStationInfo"), 5u);

    // The server is ended inside the first station's first line, as a crash would end it (by the
    // test's receiver of DataAvailable, which Trivex.exe ignores): the operator is warned and the
    // program runs on. Once the host has been started again, the next plot connects to it.
    com::ComHost host;
    const auto application = host.NewApplication();
    standin::EventRecorder hook;
    hook.onEvent = [](const std::string& event) {
        if (event == "DataAvailable()") KillHost();
    };
    application->Subscribe(&hook);
    Control().Call(L"FireDuring", "DrawLine", "DataAvailable");
    trivex_.Post(Command::Plot);
    const HWND box = WaitForWindow(trivex_.Process().Id(), "#32770");
    application->Subscribe(nullptr);
    ASSERT_NE(box, nullptr);
    EXPECT_THAT(MessageBoxText(box), HasSubstr("\r\n\r\nThe host reported an error: "));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    StartHost();
    trivex_.Choose(Command::Plot);
    EXPECT_EQ(CountCalls(Journal(), "GetStationInfo"), 5u);
    EXPECT_EQ(AddedLiveObjects(), 2) << "only the application and map objects stay";
}

bool RunsOnWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// A host that turns calls away as busy (a dialog of its own is open) is asked again: a plot
// through three refusals makes the host calls of an undisturbed one and shows no warning. A host
// that stays busy ends the plot after ten seconds with a warning that says so. (Wine runs a call
// its server turns away as busy: there the first half shows nothing, and the second cannot run.)
TEST_F(EventsEndToEndTest, ABusyHostIsAskedAgain) {
    StartTrivex(kReplotSettings, 5, 15);
    trivex_.Choose(Command::Plot);  // places the fix object, which the next plots leave in place
    Journal();
    trivex_.Choose(Command::Plot);
    const json undisturbed = Journal();
    Control().Call(L"RejectNextCallsAsBusy", "3");
    trivex_.Choose(Command::Plot);
    EXPECT_EQ(Journal(), undisturbed);
    EXPECT_EQ(FindProcessWindow(trivex_.Process().Id(), "#32770"), nullptr) << "a warning";
    if (RunsOnWine()) GTEST_SKIP() << "Wine runs a call its server turns away as busy";

    Control().Call(L"RejectNextCallsAsBusy", "1000000");
    const auto start = std::chrono::steady_clock::now();
    trivex_.Post(Command::Plot);
    const HWND box = WaitForWindow(trivex_.Process().Id(), "#32770");
    Control().Call(L"RejectNextCallsAsBusy", "0");
    ASSERT_NE(box, nullptr);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_THAT(MessageBoxText(box),
                HasSubstr("The host stayed busy and did not take the call (0x80010001): "));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

}  // namespace
}  // namespace trivex::test
