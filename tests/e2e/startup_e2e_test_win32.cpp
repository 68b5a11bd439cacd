// Trivex.exe against the stand-in host: the first start, two plots of five stations, and the
// start-up refusals.
#include <gmock/gmock.h>

#include "data_json.h"
#include "e2e_fixture_win32.h"
#include "ui/main_window.h"
#include "ui/memory/memory_platform.h"
#include "ui/memory/memory_view.h"

namespace trivex::test {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ui::Command;
using ui::ControlId;

std::string ErrorText(const TrivexProgram& trivex, const std::string& message) {
    return "The following error has ocurred, you may want to read the online help file (" +
           trivex.File("Trivex.html") + ") on this :\r\n\r\n" + message;
}

// What the window shows of a plot: bearings, intersections, labels and the object label.
template <typename TextOf>
std::string Shown(TextOf text) {
    std::string shown;
    for (int row = 0; row < 5; ++row)
        shown += text(ui::BearingBox(row)) + " | " + text(ui::IntersectBox(row)) + "\n";
    for (const ControlId id : {ControlId::Label3, ControlId::Solution, ControlId::ObjectLabel})
        shown += text(id) + "\n";
    return shown;
}

// The same plot by the same logic on the simulated host in this process: the host calls that
// must reach the stand-in over COM, argument by argument, and what the window must show.
std::pair<json, std::string> InProcessPlot(const std::string& scenario, const std::string& settings) {
    sim::SimHost host;
    standin::LoadScenario(scenario, host);
    ui::MemoryView view;
    ui::MemoryPlatform platform;
    platform.PutFile(platform.programFolder + "\\Trivex.INI", settings);
    ui::MainWindow logic(view, platform, host);
    logic.Startup();
    host.TakeJournal();
    logic.OnCommand(Command::Plot);
    return {json::parse(standin::JournalJson(host.TakeJournal())),
            Shown([&](ControlId id) { return view.Text(id); })};
}

TEST_F(EndToEndTest, FirstStartWritesTheSettingsAndAsksForTheFiveDefaultRows) {
    UseHost();
    const json startup = StartTrivex(std::nullopt, 5, 0);
    json lookups = json::array();
    for (int n = 1; n <= 5; ++n)
        lookups.push_back({{"call", "GetStationInfo"}, {"args", {"NOCALL" + std::to_string(n)}}});
    EXPECT_EQ(startup, lookups);
    EXPECT_TRUE(WaitUntil([&] { return trivex_.Text(ControlId::Bearing4) == "no data"; }));
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(trivex_.Text(ui::CallSignBox(row)), "NOCALL" + std::to_string(row + 1)) << row;

    const auto settings = ReadWholeFile(trivex_.File("Trivex.INI"));
    ASSERT_TRUE(settings) << "the first start writes the settings file";
    for (const char* line :
         {"[SETUP]\r\n", "PlotLineThickness=1\r\n", "IgnoreDistance=1\r\n",
          "ReplotAfterMapIsRedrawn=FALSE\r\n", "CallSign1=NOCALL1\r\n", "CallSign5=NOCALL5\r\n"})
        EXPECT_THAT(*settings, HasSubstr(line));

    trivex_.Choose(Command::FileExit);
    EXPECT_EQ(trivex_.Process().WaitForExit(), 0u);
    EXPECT_EQ(ReadWholeFile(trivex_.File("Trivex.LST")), "") << "shut-down leaves an empty list file";
    EXPECT_EQ(ReadWholeFile(trivex_.File("Trivex.INI")), settings) << "Exit does not save";
}

TEST_F(EndToEndTest, PlotOfFiveStationsPlacesTheFixAndASecondPlotKeepsIt) {
    UseHost();
    StartTrivex(kFiveStationsSettings, 5, 15);

    trivex_.Choose(Command::Plot);
    const auto [journal, shown] = InProcessPlot(kFiveStations, kFiveStationsSettings);
    const json first = Journal();
    EXPECT_EQ(first, journal);
    EXPECT_EQ(Shown([&](ControlId id) { return trivex_.Text(id); }), shown);
    EXPECT_EQ(Calls(first, "AddObject").size(), 1u);
    if (const std::string shots = Environment("TRIVEX_SHOTS"); !shots.empty())
        SaveWindowPicture(trivex_.Window(), WindowsPath(shots) + "\\e2e-plot.bmp");

    trivex_.Choose(Command::Plot);
    const json second = Journal();
    EXPECT_EQ(Calls(second, "DrawLine").size(), 15u);
    EXPECT_TRUE(Calls(second, "AddObject").empty()) << second.dump();
    EXPECT_TRUE(Calls(second, "DeleteObject").empty()) << second.dump();
    EXPECT_EQ(trivex_.Text(ControlId::ObjectLabel), "Object RDFFIX0 at same location.");
    EXPECT_EQ(AddedLiveObjects(), 2) << "only the application and map objects stay";
}

TEST_F(EndToEndTest, SecondInstanceIsRefusedAndTheFirstComesToTheFront) {
    UseHost();
    StartTrivex(kFiveStationsSettings, 5, 15);
    const auto settings = ReadWholeFile(trivex_.File("Trivex.INI"));
    ShowWindow(trivex_.Window(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(trivex_.Window()); }));

    ChildProgram second = trivex_.Launch();
    const HWND box = WaitForWindow([&] { return FindProcessWindow(second.Id(), "#32770"); });
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), ErrorText(trivex_, "Another instance of this program is already running") +
                                       "\r\n\r\nThe program will be stopped");
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(trivex_.Window()); }, 5s)) << "the first comes to the front";
    PressOk(box);
    EXPECT_TRUE(second.WaitForExit());
    EXPECT_TRUE(trivex_.Running());
    EXPECT_EQ(Journal(), json::array()) << "the second instance asks the host nothing";
    EXPECT_EQ(ReadWholeFile(trivex_.File("Trivex.INI")), settings);
    EXPECT_FALSE(ReadWholeFile(trivex_.File("Trivex.LST")));
}

// A host that is not there or has a version outside 1.55 to 2.99: the critical box names the
// version found, and the program ends before it writes a file.
struct HostRefusal {
    std::optional<StandIn> registered;
    const char* version;
};

class HostRefusalTest : public EndToEndTest, public ::testing::WithParamInterface<HostRefusal> {};

TEST_P(HostRefusalTest, StartIsRefusedWithTheVersionFound) {
    if (GetParam().registered) UseHost(*GetParam().registered);
    ChildProgram program = trivex_.Launch();
    const HWND box = WaitForWindow([&] { return FindProcessWindow(program.Id(), "#32770"); });
    ASSERT_NE(box, nullptr);
    EXPECT_THAT(WindowText(box), EndsWith(" Error message"));
    EXPECT_EQ(MessageBoxText(box),
              ErrorText(trivex_, std::string("Your current version of uiview32 (") + GetParam().version +
                                     ") is invalid for this add-on, minimum version "
                                     "1.55, maximum version 2.99 is required") +
                  "\r\n\r\nThe program will be stopped");
    PressOk(box);
    EXPECT_TRUE(program.WaitForExit());
    EXPECT_FALSE(ReadWholeFile(trivex_.File("Trivex.INI")));
    EXPECT_FALSE(ReadWholeFile(trivex_.File("Trivex.LST")));
}

INSTANTIATE_TEST_SUITE_P(Hosts, HostRefusalTest,
                         ::testing::Values(
                             // nothing registered: no program folder entry, no executable
                             HostRefusal{std::nullopt, "Unable to locate EXE file"},
                             // the stand-in built as version 3.0.0.0
                             HostRefusal{StandIn::Version3, "3.00"}));

}  // namespace
}  // namespace trivex::test
