#include "plot/station_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/sim/sim_host.h"
#include "plot/df_reading.h"
#include "plot/plotter.h"
#include "tests/plot/recording_display.h"

namespace trivex::plot {
namespace {

TEST(ParseDfText, ReadsBearingAndAccuracy) {
    struct Case {
        const char* text;
        DfStatus status;
        int16_t bearing, accuracy;
        const char* box;
    };
    constexpr DfStatus valid = DfStatus::Valid, invalid = DfStatus::Invalid, none = DfStatus::NoData;
    constexpr int16_t no = geometry::kNoBearing;
    const Case cases[] = {
        {"%270%015", valid, 270, 15, "270 deg +/-15"},     // the plain form
        {"%005%002", valid, 5, 2, "5 deg +/-2"},           // leading zeros are not shown
        {"%27%015", invalid, no, 0, "invalid data"},       // second sign looked for from the 4th character on
        {"%2x0%015", invalid, no, 0, "invalid data"},      // a letter in the bearing's first three
        {"%270%01", invalid, no, 0, "invalid data"},       // an accuracy of two digits
        {"%270015", invalid, no, 0, "invalid data"},       // no second sign at all
        {"%270%0a5", invalid, no, 0, "invalid data"},      // a letter in the accuracy
        {"DF 270 15", none, no, 0, "no data"},             // no sign at all
        {"%2705%010", valid, 2705, 10, "2705 deg +/-10"},  // beyond 360: the intersection check's
        {"%270.5%010", valid, 270, 10, "270 deg +/-10"},   // halves round to even
        {"%271.5%010", valid, 272, 10, "272 deg +/-10"},   //
        {"%090 deg%005", valid, 90, 5, "90 deg +/-5"},     // only the number at the start counts
        {"%99999%010", invalid, no, 0, "invalid data"},    // beyond 16 bits
        {"%32767%010", valid, 32767, 10, "32767 deg +/-10"},            //
        {"DF report: %123%045 more", valid, 123, 45, "123 deg +/-45"},  // text around the fields is ignored
        {"5% off %123%045", invalid, no, 0, "invalid data"},  // a sign in the leading text comes first
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

// A report for row 1 (of 0..4) against the simulated host.
class StationReportTest : public ::testing::Test {
  protected:
    std::optional<StationReading> Report(const std::string& callsign) {
        display = RecordingDisplay{};
        display.bearings[1] = "before";
        PlotMap plotMap(*map, 2);
        return GetStationReport(callsign, 1, host, *app, plotMap, display);
    }

    static std::vector<std::string> InfoLines(const std::string& callsign, const std::string& info3) {
        return {"***** Start of info for " + callsign + " *****\r\n", "one\r\n", "two\r\n", info3 + "\r\n",
                "***** End of info for " + callsign + " *****\r\n"};
    }

    sim::SimHost host;
    std::unique_ptr<host::UivApplication> app = host.NewApplication();
    std::unique_ptr<host::UivMap> map = app->GetMap();
    RecordingDisplay display;
};

TEST_F(StationReportTest, WithoutAValidReadingFindsNothingAndDrawsNothing) {
    struct Case {
        std::string callsign;
        const char* info3;  // nullptr: the host does not know the call-sign
        const char* box;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"G4XYZ", nullptr, "no data", {"***** No info for G4XYZ *****\r\n"}},   // unknown to the host
        {"G4ABC", "%2x0%015", "invalid data", InfoLines("G4ABC", "%2x0%015")},  // a malformed DF field
        {"Callsign", "%090%005", "before", {}},                                 // the placeholder: nothing
        {"", "%090%005", "before", {}},                                         // an empty call-sign too
        {"CALLSIGN", nullptr, "no data", {"***** No info for CALLSIGN *****\r\n"}},  // only the exact word
    };
    for (const Case& c : cases) {
        host.stations.clear();
        if (c.info3) host.stations.push_back({c.callsign, 3000.0f, 60.0f, "one", "two", c.info3});
        EXPECT_FALSE(Report(c.callsign)) << c.callsign;
        EXPECT_EQ(display.bearings[1], c.box) << c.callsign;
        EXPECT_EQ(display.log, c.log) << c.callsign;
        // The station information is asked for, unless for a placeholder; nothing is drawn.
        EXPECT_EQ(host.TakeJournal().size(), c.log.empty() ? 0u : 1u) << c.callsign;
    }
}

TEST_F(StationReportTest, ValidReportLogsDrawsAndGivesThePositionAndBearing) {
    host.stations = {{"G4ABC", 3120.0f, -45.0f, "one", "two", "%045%010"}};
    const std::optional<StationReading> reading = Report("G4ABC");

    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->position.y, 3120.0f);
    EXPECT_EQ(reading->position.x, -45.0f);
    EXPECT_EQ(reading->bearing, 45);
    EXPECT_EQ(display.bearings[1], "45 deg +/-10");
    EXPECT_EQ(display.log, InfoLines("G4ABC", "%045%010"));

    // The host is asked first, then the lines are drawn from the station's own position.
    sim::SimHost reference;
    PlotMap(*reference.NewApplication()->GetMap(), 2).DrawBearingLines({-45.0f, 3120.0f}, 45, 10);
    std::vector<sim::JournalEntry> expected{{"GetStationInfo", {std::string("G4ABC")}}};
    expected.insert(expected.end(), reference.Journal().begin(), reference.Journal().end());
    EXPECT_EQ(host.TakeJournal(), expected);

    // A host failure stops the report where it occurs: here after the texts.
    host.FailNext("Latitude", "station gone");
    EXPECT_THROW(Report("G4ABC"), host::HostError);
    EXPECT_EQ(display.log.size(), 5u);
    EXPECT_EQ(host.Journal().size(), 1u);
}

// Station information as a host over COM may give it. The object passed in holds the host's own
// record once the host has handed that back in its place (handBack), else the host copies into
// it only the fields it has for the station: a text it does not have is empty here.
struct RecordHost : host::Host, host::UivApplication {
    using Info = sim::StationRecord;

    bool GetStationInfo(host::UivStationInfo& object) override {
        auto& info = dynamic_cast<Info&>(object);
        auto found = std::ranges::find(records, info.record->callsign, &sim::Station::callsign);
        if (found == records.end()) return false;
        if (handBack) {
            info.record = &*found;
            return true;
        }
        info.own.latitude = found->latitude;
        info.own.longitude = found->longitude;
        for (auto text : {&sim::Station::infoText1, &sim::Station::infoText2, &sim::Station::infoText3})
            if (!((*found).*text).empty()) info.own.*text = (*found).*text;
        return true;
    }
    std::unique_ptr<host::UivStationInfo> NewStationInfo() override { return std::make_unique<Info>(); }

    // Not used by the reports.
    std::unique_ptr<host::UivApplication> NewApplication() override { return nullptr; }
    std::unique_ptr<host::UivObject> NewObject() override { return nullptr; }
    host::DistanceBearing CalcDistanceBearing(double, double, double, double, bool) override { return {}; }
    std::unique_ptr<host::UivMap> GetMap() override { return nullptr; }
    std::vector<std::string> GetObjectList() override { return {}; }
    int16_t AddObject(host::UivObject&) override { return 0; }
    int16_t DeleteObject(const std::string&, bool) override { return 0; }
    void Subscribe(host::HostEvents*) override {}

    bool handBack = false;
    std::vector<sim::Station> records{{"PA1A", 30, 50, "a1", "a2", "%090%005"}, {"PA1B", 20, 60, "", "", ""}};
};

// The second row's report asks anew: it neither writes its call-sign into the record the host
// handed back for the first row nor reads the first row's bearing where the host has none.
TEST(StationReportHostsTest, EachReportAsksWithAnObjectOfItsOwn) {
    for (const bool handBack : {true, false}) {
        RecordHost host;
        host.handBack = handBack;
        sim::SimHost mapHost;
        const auto map = mapHost.NewApplication()->GetMap();
        Plotter plotter;
        plotter.Stations()[0].Callsign = "PA1A";
        plotter.Stations()[1].Callsign = "PA1B";
        RecordingDisplay display;
        plotter.ReportRows({host, host, *map}, 1, display);
        EXPECT_EQ(host.records[0].callsign, "PA1A") << "hand back " << handBack;
        EXPECT_EQ(display.bearings[0] + ", " + display.bearings[1], "90 deg +/-5, no data")
            << "hand back " << handBack;
    }
}

}  // namespace
}  // namespace trivex::plot
