#include "host/sim/sim_host.h"

#include <gtest/gtest.h>

namespace trivex::sim {
namespace {

TEST(GreatCircle, MatchesPublishedFigures) {
    struct Case {
        const char* what;
        double lat1, lon1, lat2, lon2;
        double km, kmTolerance, bearing, bearingTolerance;
    };
    const Case cases[] = {
        // Land's End to John o' Groats: 968.9 km, initial bearing 009 07 11.
        {"LEJOG", 50.0664, -5.7147, 58.6439, -3.07, 968.9, 0.1, 9.1198, 0.001},
        // One degree of longitude on the equator, due east.
        {"equator", 0, 0, 0, 1, 111.19493, 0.00001, 90.0, 1e-9},
        // Equator to the north pole along the prime meridian, due north.
        {"pole", 0, 0, 90, 0, 10007.543, 0.001, 0.0, 1e-9},
        // Due west comes out as 270, not -90.
        {"west", 10, 20, 10, 19, 109.50, 0.01, 270.1, 0.1},
        // The same point: no distance, bearing 0.
        {"same", 52, 4, 52, 4, 0.0, 0.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        const auto r = GreatCircle(c.lat1, c.lon1, c.lat2, c.lon2);
        EXPECT_NEAR(r.distanceKm, c.km, c.kmTolerance) << c.what;
        EXPECT_NEAR(r.bearingDegrees, c.bearing, c.bearingTolerance) << c.what;
        EXPECT_GE(r.bearingDegrees, 0.0) << c.what;
        EXPECT_LT(r.bearingDegrees, 360.0) << c.what;
    }
}

TEST(SimHost, JournalsCallsWithTypedArguments) {
    SimHost host;
    auto app = host.NewApplication();
    auto map = app->GetMap();
    map->SetLineWidth(3);
    map->DrawLine(1.5f, 2.5f, 3.5f, 4.5f, 0x0000FF, 0);
    EXPECT_EQ(map->GetWidthPixels(), 800);  // getters are not journaled
    map->DrawCircle(1.0f, 2.0f, 0.5f, 0, 0.0, 6.283185958862305, 1.0f);
    app->CalcDistanceBearing(1.0, 2.0, 3.0, 4.0, true);

    const std::vector<JournalEntry> expected = {
        {"SetLineWidth", {int16_t{3}}},
        {"DrawLine", {1.5f, 2.5f, 3.5f, 4.5f, int32_t{0x0000FF}, int16_t{0}}},
        {"DrawCircle", {1.0f, 2.0f, 0.5f, int32_t{0}, 0.0, 6.283185958862305, 1.0f}},
        {"CalcDistanceBearing", {1.0, 2.0, 3.0, 4.0, true}},
    };
    EXPECT_EQ(host.TakeJournal(), expected);
    EXPECT_TRUE(host.Journal().empty());
}

TEST(SimHost, StationLookupFindsFirstExactCallsign) {
    SimHost host;
    host.stations = {{"G4ABC", 3000.0f, -60.0f, "one", "two", "%090%005"}, {"G4ABC", 1.0f, 1.0f, "", "", ""}};
    auto app = host.NewApplication();
    struct Case {
        const char* callsign;
        bool found;
        const char* info3;
    };
    const Case cases[] = {
        {"G4ABC", true, "%090%005"},  // the first of two stations with that call-sign
        {"g4abc", false, ""},         // call-signs are compared exactly
        {"", false, ""},              // nothing known of an empty call-sign
    };
    for (const Case& c : cases) {
        auto info = host.NewStationInfo();
        info->SetCallsign(c.callsign);
        EXPECT_EQ(app->GetStationInfo(*info), c.found) << c.callsign;
        EXPECT_EQ(info->InfoText3(), c.info3) << c.callsign;
    }
    auto info = host.NewStationInfo();
    info->SetCallsign("G4ABC");
    app->GetStationInfo(*info);
    EXPECT_EQ(info->Latitude(), 3000.0f);
    EXPECT_EQ(info->Longitude(), -60.0f);
}

TEST(SimHost, ObjectListListsNamesFromTheSecondCharacter) {
    SimHost host;
    host.objects = {"*RDFFIX10", "#OTHER"};
    auto app = host.NewApplication();
    auto record = host.NewObject();
    record->SetName("RDFFIX1");
    record->SetLatitude(52.5f);
    EXPECT_EQ(app->AddObject(*record), 0);
    EXPECT_EQ(app->GetObjectList(), (std::vector<std::string>{"", "*RDFFIX10", "#OTHER", "*RDFFIX1"}));

    // Only an exact name from the second character on is deleted.
    EXPECT_EQ(app->DeleteObject("RDFFIX1", true), 0);
    EXPECT_EQ(host.objects, (std::vector<std::string>{"*RDFFIX10", "#OTHER"}));
    EXPECT_EQ(app->DeleteObject("", true), 0);
    EXPECT_EQ(host.objects.size(), 2u);

    ObjectRecord added;
    added.Name = "RDFFIX1";
    added.Latitude = 52.5f;
    EXPECT_EQ(host.Journal()[0], (JournalEntry{"AddObject", {added}}));
}

class RecordingSink : public host::HostEvents {
public:
    std::vector<std::string> seen;
    void DataAvailable() override { seen.push_back("DataAvailable"); }
    void NotifyBeacon(const std::string& callsign, float, float) override { seen.push_back("NotifyBeacon " + callsign); }
    void UIView32IsClosing() override { seen.push_back("UIView32IsClosing"); }
    void MapHasChanged() override { seen.push_back("MapHasChanged"); }
    void MapRedrawn() override { seen.push_back("MapRedrawn"); }
};

TEST(SimHost, EventsReachTheSinksOfTheirObjectKind) {
    SimHost host;
    RecordingSink appSink, mapSink;
    auto app = host.NewApplication();
    auto map = app->GetMap();
    app->Subscribe(&appSink);
    map->Subscribe(&mapSink);

    host.Fire(Event::MapRedrawn);
    host.FireNotifyBeacon("G4ABC", 1.0f, 2.0f);
    host.Fire(Event::UIView32IsClosing);
    EXPECT_EQ(appSink.seen, (std::vector<std::string>{"NotifyBeacon G4ABC", "UIView32IsClosing"}));
    EXPECT_EQ(mapSink.seen, (std::vector<std::string>{"MapRedrawn"}));

    map.reset();  // a released object receives nothing more
    host.Fire(Event::MapHasChanged);
    EXPECT_EQ(mapSink.seen.size(), 1u);
}

TEST(SimHost, FailuresAndEventRulesApplyToTheNamedCall) {
    SimHost host;
    RecordingSink sink;
    auto app = host.NewApplication();
    auto map = app->GetMap();
    map->Subscribe(&sink);
    host.FireDuring("SetLineWidth", Event::MapRedrawn);
    host.FailNext("SetLineWidth", "map is busy");

    // The failed call throws the message, is not journaled and fires nothing.
    try {
        map->SetLineWidth(1);
        FAIL() << "expected a host error";
    } catch (const host::HostError& e) {
        EXPECT_STREQ(e.what(), "map is busy");
    }
    EXPECT_TRUE(host.Journal().empty());
    EXPECT_TRUE(sink.seen.empty());

    // It fails once; later calls fire the event after they are journaled.
    map->SetLineWidth(2);
    map->SetLineWidth(3);
    EXPECT_EQ(host.Journal().size(), 2u);
    EXPECT_EQ(sink.seen, (std::vector<std::string>{"MapRedrawn", "MapRedrawn"}));
}

}  // namespace
}  // namespace trivex::sim
