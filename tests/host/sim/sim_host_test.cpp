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
        // Equator to the north pole along the prime meridian, due north.
        {"pole", 0, 0, 90, 0, 10007.543, 0.001, 0.0, 1e-9},
        // Due west comes out as 270, not -90.
        {"west", 10, 20, 10, 19, 109.50, 0.01, 270.1, 0.1},
    };
    for (const Case& c : cases) {
        const auto r = GreatCircle(c.lat1, c.lon1, c.lat2, c.lon2);
        EXPECT_NEAR(r.distanceKm, c.km, c.kmTolerance) << c.what;
        EXPECT_NEAR(r.bearingDegrees, c.bearing, c.bearingTolerance) << c.what;
    }
}

class RecordingSink : public host::HostEvents {
  public:
    std::vector<std::string> seen;
    void DataAvailable() override { seen.push_back("DataAvailable"); }
    void NotifyBeacon(const std::string& callsign, float, float) override {
        seen.push_back("Beacon " + callsign);
    }
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
    EXPECT_EQ(appSink.seen, (std::vector<std::string>{"Beacon G4ABC"}));
    EXPECT_EQ(mapSink.seen, (std::vector<std::string>{"MapRedrawn"}));
    map.reset();  // a released object receives nothing more
    host.Fire(Event::MapHasChanged);
    EXPECT_EQ(mapSink.seen.size(), 1u);
}

TEST(SimHost, FailsTheNamedCallOnceAndFiresEventsAfterJournaling) {
    SimHost host;
    RecordingSink sink;
    auto app = host.NewApplication();
    auto map = app->GetMap();
    map->Subscribe(&sink);
    host.FireDuring("SetLineWidth", Event::MapRedrawn);
    host.FailNext("SetLineWidth", "map is busy");
    // The failed call throws the message, is not journaled and fires nothing.
    EXPECT_THROW(map->SetLineWidth(1), host::HostError);
    EXPECT_TRUE(host.Journal().empty());
    EXPECT_TRUE(sink.seen.empty());
    map->SetLineWidth(2);
    EXPECT_EQ(map->GetWidthPixels(), 800);  // getters are not journaled
    EXPECT_EQ(host.TakeJournal(), (std::vector<JournalEntry>{{"SetLineWidth", {int16_t{2}}}}));
    EXPECT_EQ(sink.seen, std::vector<std::string>{"MapRedrawn"});
}

}  // namespace
}  // namespace trivex::sim
