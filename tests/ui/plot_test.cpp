#include "tests/ui/main_window_fixture.h"

namespace trivex::ui {
namespace {

using PlotTest = MainWindowTest;

const sim::ObjectRecord& LastAddedObject(const sim::SimHost& host) {
    for (auto it = host.Journal().rbegin(); it != host.Journal().rend(); ++it)
        if (it->call == "AddObject") return std::get<sim::ObjectRecord>(it->args[0]);
    throw std::logic_error("no AddObject in the journal");
}

TEST(MainWindowPlot, LabelsFollowTheNumberOfIntersections) {
    struct Case {
        const char* what;
        std::vector<std::string> rows;
        const char* count;
        const char* solution;
        int filledBoxes;
    };
    const Case cases[] = {
        {"exactly five: F meets only D's line in front of both",
         {"PA1A", "PA1B", "PA1C", "PA1D", "PA1F"},
         "5 intersections",
         "00.30.00N, 000.56.00E",
         5},
        {"two, 3-5 N/A", {"PA1A", "PA1B", "PA1C", "", ""}, "2 intersections", "00.30.00N, 001.00.00E", 2},
        {"no usable row", {"NOPE", "", "PA1A", "", ""}, "No intersections", "No solution", 0},
    };
    for (const Case& c : cases) {
        Program program;
        auto& [host, view, platform, window] = program;
        host.stations = FiveStations();
        host.stations.push_back({"PA1F", 20, 40, "", "", "%000%005"});
        ASSERT_TRUE(window.Startup());
        window.OnCommand(IgnoreItem(5));
        for (int row = 0; row < 5; ++row) view.SetText(CallSignBox(row), c.rows[row]);
        window.OnCommand(Command::Plot);
        EXPECT_EQ(view.Text(ControlId::IntersectionCount), c.count) << c.what;
        EXPECT_EQ(view.Text(ControlId::Solution), c.solution) << c.what;
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(view.Text(IntersectBox(row)) == "N/A", row >= c.filledBoxes)
                << c.what << " box " << row;
        EXPECT_NE(view.Text(ControlId::SolutionHeading), "N/A") << c.what << ": the label past the last box";
    }
}

// Two stations whose lines cross on the equator at the prime meridian, from d minutes west
// and d minutes south: about 1.853 d km from each.
TEST_F(PlotTest, EachIgnoreItemKeepsCrossingsUpToItsKilometres) {
    const double kilometres[] = {1, 5, 10, 50, 100, 200};
    SetCallSigns({"W", "S", "", "", ""});
    ASSERT_TRUE(Start());
    for (int item = 1; item <= 6; ++item) {
        window.OnCommand(IgnoreItem(item));
        for (int n = 1; n <= 6; ++n) EXPECT_EQ(view.IsChecked(IgnoreItem(n)), n == item) << item << " " << n;
        for (const double share : {0.95, 1.05}) {
            const auto d = static_cast<float>(share * kilometres[item - 1] / 1.853);
            host.stations = {{"W", 0, -d, "", "", "%090%000"}, {"S", -d, 0, "", "", "%000%000"}};
            window.OnCommand(Command::Plot);
            EXPECT_EQ(Text(ControlId::IntersectionCount), share < 1 ? "1 intersections" : "No intersections")
                << kilometres[item - 1] << " km, " << share;
        }
    }
}

TEST_F(PlotTest, BoxesOfAnEarlierPlotAreClearedAndTheObjectStays) {
    AddFiveStations();
    SetCallSigns({"PA1A", "PA1B", "PA1C", "PA1D", "PA1E"});
    ASSERT_TRUE(Start());
    window.OnCommand(Command::Plot);
    const std::string objectLabel = Text(ControlId::ObjectLabel);
    for (int row = 0; row < 5; ++row) view.SetText(CallSignBox(row), "");
    host.TakeJournal();
    window.OnCommand(Command::Plot);
    EXPECT_EQ(Text(ControlId::IntersectionCount), "No intersections");
    EXPECT_EQ(Text(ControlId::Solution), "No solution");
    for (int row = 0; row < 5; ++row) EXPECT_EQ(Text(IntersectBox(row)), "N/A") << row;
    EXPECT_EQ(Text(ControlId::ObjectLabel), objectLabel);
    EXPECT_EQ(CountCalls("AddObject") + CountCalls("DeleteObject") + CountCalls("DrawCircle"), 0);
}

TEST_F(PlotTest, ContributorsSkipRowsWithoutAFix) {
    AddFiveStations();
    SetCallSigns({"", "PA1B", "PA1C", "PA1D", ""});
    ASSERT_TRUE(Start());
    window.OnCommand(Command::Plot);
    // (2,4) and (3,4); (2,3) are both north-south
    EXPECT_EQ(Text(ControlId::IntersectionCount), "2 intersections");
    EXPECT_EQ(LastAddedObject(host).comment, "TRIVEX:PA1B,PA1C,PA1D");
    const auto& record = LastAddedObject(host);
    EXPECT_EQ(record.latitude, 30.0f / 60.0f);
    EXPECT_EQ(record.longitude, 1.0f);
}

TEST_F(PlotTest, NoFreeNameLeavesTheMapAloneAndTriesAgainNextTime) {
    AddFiveStations();
    SetCallSigns({"PA1A", "PA1B", "", "", ""});
    for (int n = 0; n < 100; ++n) host.objects.push_back("*RDFFIX" + std::to_string(n));
    ASSERT_TRUE(Start());
    window.OnCommand(Command::Plot);
    EXPECT_EQ(Text(ControlId::ObjectLabel), "Object not placed: no free name.");
    EXPECT_EQ(CountCalls("AddObject"), 0);
    EXPECT_NE(Text(ControlId::Status)
                  .find("No free name from RDFFIX0 to RDFFIX99: the fix object was not placed.\r\n"),
              std::string::npos);
    EXPECT_EQ(window.FixObjectName(), "");

    host.objects.erase(host.objects.begin() + 42);  // RDFFIX42 becomes free
    window.OnCommand(Command::Plot);
    EXPECT_EQ(Text(ControlId::ObjectLabel), "Object RDFFIX42 at new location.");

    // Another program blocks every name, ours among them: the name is forgotten, so that no
    // later plot deletes an object of another program under it.
    host.objects.push_back("#RDFFIX42 of another program");
    host.stations[0].latitude = 31;  // the solution moves
    window.OnCommand(Command::Plot);
    EXPECT_EQ(Text(ControlId::ObjectLabel), "Object not placed: no free name.");
    EXPECT_EQ(window.FixObjectName(), "");
}

TEST_F(PlotTest, FixAtZeroZeroIsPlacedOnTheFirstPlot) {
    host.stations = {{"W", 0, -10, "", "", "%090%000"}, {"S", -10, 0, "", "", "%000%000"}};
    SetCallSigns({"W", "S", "", "", ""});
    ASSERT_TRUE(Start());
    window.OnCommand(Command::Plot);
    EXPECT_EQ(Text(ControlId::Solution), "00.00.00N, 000.00.00E");
    EXPECT_EQ(Text(ControlId::ObjectLabel), "Object RDFFIX0 at new location.");
}

}  // namespace
}  // namespace trivex::ui
