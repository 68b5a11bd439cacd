#include "scenario.h"

#include <gtest/gtest.h>

namespace trivex::runner {
namespace {

TEST(ReadScenario, ReadsTheWorldAndTheHostOverTheirDefaults) {
    const Scenario empty = ReadScenario("{}");
    EXPECT_FALSE(empty.settings);
    EXPECT_EQ(empty.screen.height, 11520);
    EXPECT_EQ(empty.window.width, 6180);
    ASSERT_TRUE(empty.hostVersion);
    EXPECT_EQ(VersionText(*empty.hostVersion), "2.03");

    const Scenario s = ReadScenario(R"({
        "settings": "[SETUP]\r\n", "screen": {"width": 19200}, "hostVersion": "1.55",
        "map": {"widthPixels": 1024}, "stations": [{"callsign": "G4ABC", "latitude": 3123.5}],
        "eventsDuringCalls": [{"call": "AddObject", "event": "mapChanged"}]})");
    EXPECT_EQ(s.settings, "[SETUP]\r\n");
    EXPECT_EQ(s.screen.width, 19200);
    EXPECT_EQ(s.screen.height, 11520);  // the other half of a size keeps its default
    EXPECT_EQ(VersionText(*s.hostVersion), "1.55");
    EXPECT_EQ(s.map.widthPixels, 1024);
    EXPECT_EQ(s.map.heightPixels, 600);  // so does the rest of the map
    ASSERT_EQ(s.stations.size(), 1u);
    EXPECT_EQ(s.stations[0].latitude, 3123.5f);
    EXPECT_EQ(s.stations[0].longitude, 0.0f);  // missing position: 0
    ASSERT_EQ(s.eventsDuringCalls.size(), 1u);
    EXPECT_EQ(s.eventsDuringCalls[0].event, sim::Event::MapHasChanged);
    EXPECT_FALSE(ReadScenario(R"({"hostVersion": "1.55", "hostMissing": true})").hostVersion);
}

// The kinds of action that no scenario case uses, and the conversion of typed keys.
TEST(ReadScenario, ReadsActions) {
    const Scenario s = ReadScenario(R"({"actions": [
        {"do": "type", "row": 4, "keys": "a\r\bé€"},
        {"do": "menu", "item": "ignore5"},
        {"do": "host", "map": {"heightUnits": 30}}]})");
    ASSERT_EQ(s.actions.size(), 3u);
    const auto& type = std::get<TypeAction>(s.actions[0].data);
    EXPECT_EQ(type.row, 4);
    // é is one key of the code page; € is not in its Latin-1 part and becomes "?".
    EXPECT_EQ(type.keys, (std::vector<int16_t>{'a', 13, 8, 0xE9, '?'}));
    EXPECT_EQ(std::get<MenuAction>(s.actions[1].data).command, ui::Command::Ignore5);
    const auto& host = std::get<HostDataAction>(s.actions[2].data);
    ASSERT_TRUE(host.map);
    EXPECT_EQ(host.map->heightUnits, 30.0f);
    EXPECT_EQ(host.map->widthPixels, 800);  // a replaced view takes the defaults
    EXPECT_FALSE(host.stations);
}

TEST(ReadScenario, NamesTheFieldAtFault) {
    struct Case {
        const char* json;
        const char* message;
    };
    const Case cases[] = {
        {"[1]", "the scenario: expected an object, found [1]"},
        {R"({"hostVersoin": "2.03"})", "the scenario: unknown field \"hostVersoin\""},
        {R"({"readOnlyFolder": "yes"})", "readOnlyFolder: expected true or false, found \"yes\""},
        {R"({"map": {"widthPixels": 40000}})",
         "map.widthPixels: expected a whole number from -32768 to 32767, found 40000"},
        {R"({"map": {"widthUnits": 1e39}})",
         "map.widthUnits: expected a number within the range of a single, found 1e+39"},
        {R"({"stations": {}})", "stations: expected a list, found {}"},
        {R"({"stations": [{"call": "X"}]})", "stations[0]: unknown field \"call\""},
        {R"({"hostVersion": "10.0"})", "hostVersion: \"10.0\" is not the version text of any file version"},
        {R"({"eventsDuringCalls": [{"call": "Draw", "event": "mapRedrawn"}]})",
         "eventsDuringCalls[0].call: unknown host operation \"Draw\""},
        {R"({"actions": [{"row": 1}]})", "actions[0]: missing field \"do\""},
        {R"({"actions": [{"do": "plot", "row": 1}]})", "actions[0]: unknown field \"row\""},
        {R"({"actions": [{"do": "type", "row": 5, "keys": "A"}]})",
         "actions[0].row: expected a whole number from 0 to 4"},
        {R"({"actions": [{"do": "menu", "item": "ignore7"}]})",
         "actions[0].item: unknown menu item \"ignore7\""},
        {"{\"actions\": [}", "not valid JSON: parse error at line 1, column 14"},
    };
    for (const Case& c : cases) {
        try {
            ReadScenario(c.json);
            ADD_FAILURE() << "no error for " << c.json;
        } catch (const ScenarioError& error) {
            EXPECT_EQ(std::string(error.what()).find(c.message), 0u)
                << "for " << c.json << "\n  expected: " << c.message << "\n  actual:   " << error.what();
        }
    }
}

}  // namespace
}  // namespace trivex::runner
