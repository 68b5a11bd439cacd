#include "scenario.h"

#include <limits>

#include "json/json_node.h"
#include "json/json_parse.h"
#include "scenario_actions.h"
#include "scenario_parts.h"
#include "ui/memory/memory_platform.h"

namespace trivex::simkit {

using json::JsonNode;
using json::Quoted;

namespace {

ui::Size ReadSize(const JsonNode& node, ui::Size size) {
    node.ExpectFields({"width", "height"});
    if (auto width = node.Field("width")) size.width = ReadInt32(*width);
    if (auto height = node.Field("height")) size.height = ReadInt32(*height);
    return size;
}

std::optional<host::FixedFileVersion> ReadHostVersion(const JsonNode& node) {
    const std::string text = node.String();
    auto version = ui::FileVersionOfText(text);
    if (!version)
        node.Fail(Quoted(text) +
                  " is not the version text of any file version (major \".\" minor and the fourth part "
                  "run together, as in \"2.03\")");
    return version;
}

// An event of any kind, or "beacon" with the station's call-sign, latitude and longitude;
// "after" calls pass before the first that fires it, and "times" calls fire it (all without).
sim::CallEvent ReadEventRule(const JsonNode& item) {
    sim::CallEvent rule;
    rule.call = ReadHostCall(item.RequiredField("call"));
    const JsonNode event = item.RequiredField("event");
    if (event.String() == "beacon") {
        item.ExpectFields({"call", "event", "callsign", "latitude", "longitude", "after", "times"});
        rule.event = sim::Event::NotifyBeacon;
        rule.callsign = item.RequiredField("callsign").String();
        rule.latitude = item.RequiredField("latitude").Single();
        rule.longitude = item.RequiredField("longitude").Single();
    } else {
        item.ExpectFields({"call", "event", "after", "times"});
        rule.event = ReadEventName(event);
    }
    constexpr int kMost = std::numeric_limits<int>::max();
    if (auto field = item.Field("after")) rule.after = static_cast<int>(field->Integer(0, kMost));
    if (auto field = item.Field("times")) rule.times = static_cast<int>(field->Integer(0, kMost));
    return rule;
}

std::vector<sim::CallEvent> ReadEventRules(const JsonNode& node) {
    std::vector<sim::CallEvent> rules;
    for (const JsonNode& item : node.Items()) rules.push_back(ReadEventRule(item));
    return rules;
}

geometry::MapPoint ReadPosition(const JsonNode& node) {
    node.ExpectFields({"latitude", "longitude"});
    return {node.RequiredField("longitude").Single(), node.RequiredField("latitude").Single()};
}

void ReadPractice(const JsonNode& root, Scenario& scenario) {
    if (auto node = root.Field("transmitter")) scenario.transmitter = ReadPosition(*node);
    if (auto node = root.Field("lesson")) scenario.lesson = node->String();
}

void ReadWorld(const JsonNode& root, Scenario& scenario) {
    if (auto node = root.Field("programFolder")) scenario.programFolder = node->String();
    if (auto node = root.Field("exeName")) scenario.exeName = node->String();
    if (auto node = root.Field("settings")) scenario.settings = node->String();
    if (auto node = root.Field("readOnlyFolder")) scenario.readOnlyFolder = node->Bool();
    if (auto node = root.Field("screen")) scenario.screen = ReadSize(*node, scenario.screen);
    if (auto node = root.Field("window")) scenario.window = ReadSize(*node, scenario.window);
    if (auto node = root.Field("otherInstance")) scenario.otherInstance = node->Bool();
    if (auto node = root.Field("hostVersion")) scenario.hostVersion = ReadHostVersion(*node);
    if (auto node = root.Field("hostMissing"); node && node->Bool()) scenario.hostVersion.reset();
}

void ReadHost(const JsonNode& root, Scenario& scenario) {
    scenario.hostData = ReadHostData(root);
    if (auto node = root.Field("eventsDuringCalls")) scenario.eventsDuringCalls = ReadEventRules(*node);
}

}  // namespace

Scenario ReadScenario(const std::string& jsonText) {
    const nlohmann::json document = json::ParseDocument(jsonText);
    const JsonNode root(document, "");
    root.ExpectFields({"programFolder", "exeName", "settings", "readOnlyFolder", "screen", "window",
                       "otherInstance", "hostVersion", "hostMissing", "map", "stations", "objects",
                       "eventsDuringCalls", "actions", "transmitter", "lesson"});
    Scenario scenario;
    ReadWorld(root, scenario);
    ReadHost(root, scenario);
    ReadPractice(root, scenario);
    if (auto node = root.Field("actions"))
        for (const JsonNode& item : node->Items()) scenario.actions.push_back(ReadAction(item));
    return scenario;
}

void GiveHost(const HostData& data, sim::SimHost& host) {
    if (data.map) host.map = *data.map;
    if (data.stations) host.stations = *data.stations;
    if (data.objects) host.objects = *data.objects;
}

void PrepareHost(const Scenario& scenario, sim::SimHost& host) {
    GiveHost(scenario.hostData, host);
    for (const sim::CallEvent& rule : scenario.eventsDuringCalls) host.FireDuring(rule);
}

}  // namespace trivex::simkit
