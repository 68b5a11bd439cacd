// How the stand-in loads the host's part of a scenario that the end-to-end tests write.
#include "data_json.h"

#include <gtest/gtest.h>

#include "scenario.h"

namespace trivex::standin {
namespace {

TEST(Scenario, ReplacesOnlyThePartsItNames) {
    sim::SimHost host;
    host.map.widthUnits = 1.0f;
    host.stations = {{"OLD", 1.0f, 2.0f, "", "", ""}};
    host.objects = {"*KEPT"};
    LoadScenario(R"({"map": {"widthPixels": 1024, "heightUnits": 45.5},
                     "stations": [{"callsign": "G4ABC", "latitude": 3000.5, "longitude": -60.25,
                                   "infoText3": "%090%005"}],
                     "settings": "[SETUP]", "actions": [{"do": "plot"}]})",
                 host);
    // A map member left out takes the simulated host's default, as trivex-sim reads it.
    EXPECT_EQ(host.map.widthPixels, 1024);
    EXPECT_EQ(host.map.heightUnits, 45.5f);
    EXPECT_EQ(host.map.widthUnits, sim::MapView{}.widthUnits);
    ASSERT_EQ(host.stations.size(), 1u);
    EXPECT_EQ(host.stations[0].callsign, "G4ABC");
    EXPECT_EQ(host.stations[0].latitude, 3000.5f);
    EXPECT_EQ(host.stations[0].longitude, -60.25f);
    EXPECT_EQ(host.stations[0].infoText1, "");
    EXPECT_EQ(host.stations[0].infoText3, "%090%005");
    EXPECT_EQ(host.objects, std::vector<std::string>{"*KEPT"});

    LoadScenario(R"({"stations": [], "objects": ["*A", "*B"]})", host);
    EXPECT_EQ(host.map.widthPixels, 1024) << "a scenario without a map keeps the map";
    EXPECT_TRUE(host.stations.empty());
    EXPECT_EQ(host.objects, (std::vector<std::string>{"*A", "*B"}));
}

TEST(Scenario, EventsDuringCallsFireFromThoseCalls) {
    sim::SimHost host;
    LoadScenario(R"({"eventsDuringCalls": [{"call": "GetObjectList", "event": "mapRedrawn"}]})", host);
    struct Counter : host::HostEvents {
        int redrawn = 0;
        void DataAvailable() override {}
        void NotifyBeacon(const std::string&, float, float) override {}
        void UIView32IsClosing() override {}
        void MapHasChanged() override {}
        void MapRedrawn() override { ++redrawn; }
    } counter;
    auto app = host.NewApplication();
    auto map = app->GetMap();
    map->Subscribe(&counter);
    app->GetObjectList();
    EXPECT_EQ(counter.redrawn, 1);
    map->Subscribe(nullptr);
}

TEST(Scenario, RejectsMalformedTexts) {
    const char* const cases[] = {
        "{",                                     // not JSON
        "[]",                                    // not an object
        R"({"stations": [{"call": "G4ABC"}]})",  // a field no station has
        R"({"map": {"widthPixels": "wide"}})",   // a number of the wrong type
        R"({"eventsDuringCalls": [{"call": "Nothing", "event": "mapRedrawn"}]})",  // no such operation
    };
    for (const char* text : cases) {
        sim::SimHost host;
        EXPECT_THROW(LoadScenario(text, host), runner::ScenarioError) << text;
    }
}

}  // namespace
}  // namespace trivex::standin
