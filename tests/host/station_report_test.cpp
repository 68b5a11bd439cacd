#include "host/station_report.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "geometry/map_drawing.h"
#include "host/sim/sim_host.h"

namespace trivex {
namespace {

TEST(ParseDfText, ReadsBearingAndAccuracy) {
    struct Case {
        const char* text;
        DfStatus status;
        int16_t bearing;
        int16_t accuracy;
        const char* box;
    };
    const Case cases[] = {
        // The plain form.
        {"%270%015", DfStatus::Valid, 270, 15, "270 deg +/-15"},
        // Leading zeros are not shown.
        {"%005%002", DfStatus::Valid, 5, 2, "5 deg +/-2"},
        // The second sign is looked for from the fourth character after the first only.
        {"%27%015", DfStatus::Invalid, kNoBearing, 0, "invalid data"},
        // A letter among the bearing's first three characters.
        {"%2x0%015", DfStatus::Invalid, kNoBearing, 0, "invalid data"},
        // An accuracy of two digits: the missing third counts as not a digit.
        {"%270%01", DfStatus::Invalid, kNoBearing, 0, "invalid data"},
        // No second sign at all.
        {"%270015", DfStatus::Invalid, kNoBearing, 0, "invalid data"},
        // A letter in the accuracy.
        {"%270%0a5", DfStatus::Invalid, kNoBearing, 0, "invalid data"},
        // No sign at all.
        {"DF 270 15", DfStatus::NoData, kNoBearing, 0, "no data"},
        {"", DfStatus::NoData, kNoBearing, 0, "no data"},
        // A bearing beyond 360 is read; the range check is the intersection check's.
        {"%2705%010", DfStatus::Valid, 2705, 10, "2705 deg +/-10"},
        // Halves round to even.
        {"%270.5%010", DfStatus::Valid, 270, 10, "270 deg +/-10"},
        {"%271.5%010", DfStatus::Valid, 272, 10, "272 deg +/-10"},
        // Only the number at the start of the field counts.
        {"%090 deg%005", DfStatus::Valid, 90, 5, "90 deg +/-5"},
        // Beyond 16 bits.
        {"%99999%010", DfStatus::Invalid, kNoBearing, 0, "invalid data"},
        {"%32767%010", DfStatus::Valid, 32767, 10, "32767 deg +/-10"},
        // Text before the first sign and after the accuracy is ignored.
        {"DF report: %123%045 more", DfStatus::Valid, 123, 45, "123 deg +/-45"},
        // A sign in the leading text starts the field too early.
        {"5% off %123%045", DfStatus::Invalid, kNoBearing, 0, "invalid data"},
    };
    for (const Case& c : cases) {
        const DfReading r = ParseDfText(c.text);
        EXPECT_EQ(r.status, c.status) << c.text;
        EXPECT_EQ(r.bearing, c.bearing) << c.text;
        if (c.status == DfStatus::Valid) {
            EXPECT_EQ(r.accuracy, c.accuracy) << c.text;
        }
        EXPECT_EQ(BearingBoxText(r), c.box) << c.text;
    }
}

// One row of the main window against the simulated host.
class StationReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < kStationCount; ++i) {
            stations[i].Callsign = "NOCALL" + std::to_string(i + 1);
            ResetForPlot(stations[i]);
        }
    }

    void Report(const std::string& callsign) {
        ReportContext context{host,
                              *app,
                              *map,
                              2,
                              stations,
                              [this](const std::string& t) { box = t; },
                              [this](const std::string& t) { log.push_back(t); }};
        GetStationReport(callsign, context);
    }

    static std::vector<std::string> InfoLines(const std::string& callsign, const std::string& info3) {
        return {"***** Start of info for " + callsign + " *****\r\n", "one\r\n", "two\r\n", info3 + "\r\n",
                "***** End of info for " + callsign + " *****\r\n"};
    }

    sim::SimHost host;
    std::unique_ptr<host::UivApplication> app = host.NewApplication();
    std::unique_ptr<host::UivMap> map = app->GetMap();
    StationTable stations;
    std::string box = "before";
    std::vector<std::string> log;
};

TEST_F(StationReportTest, FailuresLeaveTheTableAndDrawNothing) {
    struct Case {
        const char* what;
        std::string callsign;
        std::string info3;  // the station is known to the host unless empty
        const char* box;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        // The host does not know the call-sign.
        {"unknown", "G4XYZ", "", "no data", {"***** No info for G4XYZ *****\r\n"}},
        // Known, but no DF data in the third text.
        {"no sign", "G4ABC", "heard 12:00", "no data", InfoLines("G4ABC", "heard 12:00")},
        // Known, with a malformed DF field.
        {"malformed", "G4ABC", "%2x0%015", "invalid data", InfoLines("G4ABC", "%2x0%015")},
        // A bearing beyond 16 bits.
        {"overflow", "G4ABC", "%99999%010", "invalid data", InfoLines("G4ABC", "%99999%010")},
    };
    for (const Case& c : cases) {
        host.stations.clear();
        if (!c.info3.empty()) host.stations.push_back({c.callsign, 3000.0f, 60.0f, "one", "two", c.info3});
        stations[1].Callsign = c.callsign;
        box = "before";
        log.clear();
        host.TakeJournal();

        Report(c.callsign);
        EXPECT_EQ(box, c.box) << c.what;
        EXPECT_EQ(log, c.log) << c.what;
        EXPECT_EQ(stations[1].Bearing, kNoBearing) << c.what;
        EXPECT_EQ(stations[1].LatMinutes, kNoPosition) << c.what;
        ASSERT_EQ(host.Journal().size(), 1u) << c.what;  // GetStationInfo only: nothing drawn
        EXPECT_EQ(host.Journal()[0].call, "GetStationInfo") << c.what;
    }
}

TEST_F(StationReportTest, PlaceholderCallsignsDoNothing) {
    host.stations = {{"Callsign", 1.0f, 2.0f, "", "", "%090%005"}, {"", 1.0f, 2.0f, "", "", "%090%005"}};
    for (const char* callsign : {"Callsign", ""}) {
        Report(callsign);
        EXPECT_EQ(box, "before") << '"' << callsign << '"';
        EXPECT_TRUE(log.empty()) << '"' << callsign << '"';
        EXPECT_TRUE(host.Journal().empty()) << '"' << callsign << '"';
    }
    // Only the exact word is a placeholder.
    Report("CALLSIGN");
    EXPECT_EQ(box, "no data");
}

TEST_F(StationReportTest, ValidReportLogsDrawsAndRecordsEveryMatchingRow) {
    host.stations = {{"G4ABC", 3120.0f, -45.0f, "one", "two", "%045%010"}};
    stations[1].Callsign = "G4ABC";
    stations[3].Callsign = "G4ABC";
    stations[4].Callsign = "g4abc";  // call-signs are compared exactly
    Report("G4ABC");

    EXPECT_EQ(box, "45 deg +/-10");
    EXPECT_EQ(log, InfoLines("G4ABC", "%045%010"));
    for (int row : {1, 3}) {
        EXPECT_EQ(stations[row].LatMinutes, 3120.0f) << row;
        EXPECT_EQ(stations[row].LonMinutes, -45.0f) << row;
        EXPECT_EQ(stations[row].Bearing, 45) << row;
    }
    for (int row : {0, 2, 4}) EXPECT_EQ(stations[row].Bearing, kNoBearing) << row;

    // The host is asked first, then the lines are drawn from the station's own position.
    sim::SimHost reference;
    DrawBearingLines(*reference.NewApplication()->GetMap(), 2, 3120.0f, -45.0f, 45, 10);
    std::vector<sim::JournalEntry> expected{{"GetStationInfo", {std::string("G4ABC")}}};
    expected.insert(expected.end(), reference.Journal().begin(), reference.Journal().end());
    EXPECT_EQ(host.Journal(), expected);
    ASSERT_EQ(host.Journal().size(), 7u);                           // three lines, each after its line width
    EXPECT_EQ(std::get<float>(host.Journal()[2].args[0]), -45.0f);  // x is the longitude
    EXPECT_EQ(std::get<float>(host.Journal()[2].args[1]), 3120.0f);
}

TEST_F(StationReportTest, HostFailureStopsWhereItOccurs) {
    host.stations = {{"G4ABC", 3120.0f, -45.0f, "one", "two", "%045%010"}};
    stations[0].Callsign = "G4ABC";
    host.FailNext("Latitude", "station gone");
    EXPECT_THROW(Report("G4ABC"), host::HostError);
    // The texts and the box were done before the position was read.
    EXPECT_EQ(box, "45 deg +/-10");
    EXPECT_EQ(log.size(), 5u);
    EXPECT_EQ(stations[0].Bearing, kNoBearing);
    EXPECT_EQ(host.Journal().size(), 1u);

    host.FailNext("GetStationInfo", "busy");
    box = "before";
    log.clear();
    EXPECT_THROW(Report("G4ABC"), host::HostError);
    EXPECT_EQ(box, "before");
    EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace trivex
