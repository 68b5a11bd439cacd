// The stand-in's scenario and journal texts: what the end-to-end tests write and read.
#include "data_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "scenario.h"

namespace trivex::standin {
namespace {

using nlohmann::json;

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

TEST(Scenario, JournalKeepsEveryArgumentsValue) {
    sim::SimHost host;
    auto app = host.NewApplication();
    auto map = app->GetMap();
    map->DrawLine(1.1f, 2.0f, 3.0f, 4.0f, 0x00FF00, 0);
    auto record = host.NewObject();
    record->SetName("RDFFIX0");
    record->SetLatitude(51.1f);
    record->SetInt1(-32768);
    record->SetFlag(true);
    app->AddObject(*record);
    app->DeleteObject("RDFFIX0", true);

    const json journal = json::parse(JournalJson(host.Journal()));
    ASSERT_EQ(journal.size(), 3u);
    // A single is written as its exact value, so that it reads back to the same single.
    EXPECT_EQ(journal[0]["args"][0].get<double>(), double(1.1f));
    EXPECT_EQ(journal[0]["args"][4], 0x00FF00);
    const json& added = journal[1]["args"][0];
    EXPECT_EQ(added["Name"], "RDFFIX0");
    EXPECT_EQ(added["Latitude"].get<double>(), double(51.1f));
    EXPECT_EQ(added["Int1"], -32768);
    EXPECT_EQ(added["Int2"], 0);
    EXPECT_EQ(added["Flag"], true);
    EXPECT_EQ(journal[2], (json{{"call", "DeleteObject"}, {"args", {"RDFFIX0", true}}}));
}

TEST(Scenario, EventNamesAreTheHostsOwn) {
    for (sim::Event e : {sim::Event::DataAvailable, sim::Event::NotifyBeacon, sim::Event::UIView32IsClosing,
                         sim::Event::MapHasChanged, sim::Event::MapRedrawn})
        EXPECT_EQ(EventNamed(EventName(e)), e) << EventName(e);
    EXPECT_THROW(EventNamed("mapredrawn"), std::invalid_argument);  // names are exact
}

}  // namespace
}  // namespace trivex::standin
