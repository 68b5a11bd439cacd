#include "tests/ui/main_window_fixture.h"

namespace trivex::ui {
namespace {

using PlotTest = MainWindowTest;

// The plots run one after the other: each clears the boxes of the one before, and the last,
// without a solution, leaves the fix object alone.
TEST_F(PlotTest, LabelsAndBoxesFollowTheNumberOfIntersections) {
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
    host.stations = FiveStations();
    host.stations.push_back({"PA1F", 20, 40, "", "", "%000%005"});
    ASSERT_TRUE(Start());
    window.OnCommand(IgnoreItem(5));
    for (const Case& c : cases) {
        for (int row = 0; row < 5; ++row) view.SetText(CallSignBox(row), c.rows[row]);
        host.TakeJournal();
        window.OnCommand(Command::Plot);
        EXPECT_EQ(Text(ControlId::IntersectionCount), c.count) << c.what;
        EXPECT_EQ(Text(ControlId::Solution), c.solution) << c.what;
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(Text(IntersectBox(row)) == "N/A", row >= c.filledBoxes) << c.what << " box " << row;
        EXPECT_NE(Text(ControlId::SolutionHeading), "N/A") << c.what << ": the label past the last box";
    }
    EXPECT_EQ(Text(ControlId::ObjectLabel), "Object RDFFIX0 at new location.");
    EXPECT_EQ(CountCalls("AddObject") + CountCalls("DeleteObject") + CountCalls("DrawCircle"), 0);
}

// Two stations whose lines cross on the equator at the prime meridian, from d minutes west
// and d minutes south: about 1.853 d km from each.
TEST_F(PlotTest, EachIgnoreItemKeepsCrossingsUpToItsKilometres) {
    const double kilometres[] = {1, 5, 10, 50, 100, 200};
    ASSERT_TRUE(StartWithCallSigns({"W", "S", "", "", ""}));
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

TEST_F(PlotTest, ContributorsSkipRowsWithoutAFix) {
    host.stations = FiveStations();
    ASSERT_TRUE(StartWithCallSigns({"", "PA1B", "PA1C", "PA1D", ""}));
    window.OnCommand(Command::Plot);
    // (2,4) and (3,4); (2,3) are both north-south
    EXPECT_EQ(Text(ControlId::IntersectionCount), "2 intersections");
    ASSERT_EQ(AddedObjects().size(), 1u);
    EXPECT_EQ(AddedObjects()[0].comment, "TRIVEX:PA1B,PA1C,PA1D");
    EXPECT_EQ(AddedObjects()[0].latitude, 30.0f / 60.0f);
    EXPECT_EQ(AddedObjects()[0].longitude, 1.0f);
}

TEST_F(PlotTest, NoFreeNameLeavesTheMapAloneAndTriesAgainNextTime) {
    host.stations = FiveStations();
    for (int n = 0; n < 100; ++n) host.objects.push_back("*RDFFIX" + std::to_string(n));
    ASSERT_TRUE(StartWithCallSigns({"PA1A", "PA1B", "", "", ""}));
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
    ASSERT_TRUE(StartWithCallSigns({"W", "S", "", "", ""}));
    window.OnCommand(Command::Plot);
    EXPECT_EQ(Text(ControlId::Solution), "00.00.00N, 000.00.00E");
    EXPECT_EQ(Text(ControlId::ObjectLabel), "Object RDFFIX0 at new location.");
}

}  // namespace
}  // namespace trivex::ui
