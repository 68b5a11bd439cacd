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

// The host calls of the same plot by the same logic on the simulated host in this process:
// the calls that must reach the stand-in over COM, argument by argument.
json InProcessPlotJournal(const std::string& scenario, const std::string& settings) {
    sim::SimHost host;
    standin::LoadScenario(scenario, host);
    ui::MemoryView view;
    ui::MemoryPlatform platform;
    platform.PutFile(platform.programFolder + "\\Trivex.INI", settings);
    ui::MainWindow logic(view, platform, host);
    logic.Startup();
    host.TakeJournal();
    logic.OnCommand(Command::Plot);
    return json::parse(standin::JournalJson(host.TakeJournal()));
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
    const json first = Journal();
    EXPECT_EQ(first, InProcessPlotJournal(kFiveStations, kFiveStationsSettings));
    EXPECT_EQ(Calls(first, "DrawLine").size(), 15u) << "a bearing line and two accuracy lines per station";
    const json added = Calls(first, "AddObject");
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0]["args"][0]["Name"], "RDFFIX0");
    EXPECT_EQ(added[0]["args"][0]["Comment"], "TRIVEX:G4KDR,M0BXT,G8HOP,2E0CLF,M7NML");
    EXPECT_EQ(added[0]["args"][0]["Latitude"].get<float>(), 53.38378f);
    EXPECT_EQ(added[0]["args"][0]["Longitude"].get<float>(), -1.8734782f);

    const char* const bearings[] = {"142 deg +/-4", "9 deg +/-6", "297 deg +/-3", "26 deg +/-5",
                                    "74 deg +/-4"};
    const char* const intersections[] = {"[1,2]  53.23.29N, 001.52.60W", "[1,3]  53.23.17N, 001.52.45W",
                                         "[1,4]  53.22.90N, 001.52.10W", "[1,5]  53.23.19N, 001.52.47W",
                                         "[2,3]  53.23.22N, 001.52.61W"};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(trivex_.Text(ui::BearingBox(row)), bearings[row]) << row;
        EXPECT_EQ(trivex_.Text(ui::IntersectBox(row)), intersections[row]) << row;
    }
    EXPECT_EQ(trivex_.Text(ControlId::Label3), "first 5 of 10 intersections");
    EXPECT_EQ(trivex_.Text(ControlId::Solution), "53.23.03N, 001.52.41W");
    EXPECT_EQ(trivex_.Text(ControlId::ObjectLabel), "Object RDFFIX0 at new location.");
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
