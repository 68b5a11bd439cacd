#include "scenario_parts.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace trivex::simkit {

using json::JsonNode;
using json::Quoted;

namespace {

// The operations of the simulated host by the names its journal and failures use.
constexpr std::array<std::string_view, 29> kHostCalls{"CalcDistanceBearing",
                                                      "GetStationInfo",
                                                      "GetMap",
                                                      "GetObjectList",
                                                      "AddObject",
                                                      "DeleteObject",
                                                      "DrawCircle",
                                                      "GetHeightPixels",
                                                      "GetWidthPixels",
                                                      "GetHeightUnits",
                                                      "GetLeftEdge",
                                                      "GetWidthUnits",
                                                      "DrawLine",
                                                      "SetLineWidth",
                                                      "SetMarkerStyle",
                                                      "SetMarkerColour",
                                                      "Callsign",
                                                      "InfoText1",
                                                      "InfoText2",
                                                      "InfoText3",
                                                      "Longitude",
                                                      "Latitude",
                                                      "Flag",
                                                      "Int1",
                                                      "Int2",
                                                      "Name",
                                                      "SymbolCode",
                                                      "Comment",
                                                      "SymbolTable"};

constexpr std::array<std::pair<std::string_view, sim::Event>, 4> kEvents{{
    {"dataAvailable", sim::Event::DataAvailable},
    {"mapRedrawn", sim::Event::MapRedrawn},
    {"mapChanged", sim::Event::MapHasChanged},
    {"hostClosing", sim::Event::UIView32IsClosing},
}};

int16_t ReadInt16(const JsonNode& node) {
    return static_cast<int16_t>(
        node.Integer(std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

sim::Station ReadStation(const JsonNode& node) {
    node.ExpectFields({"callsign", "latitude", "longitude", "infoText1", "infoText2", "infoText3"});
    sim::Station station;
    if (auto field = node.Field("callsign")) station.callsign = field->String();
    if (auto field = node.Field("latitude")) station.latitude = field->Single();
    if (auto field = node.Field("longitude")) station.longitude = field->Single();
    if (auto field = node.Field("infoText1")) station.infoText1 = field->String();
    if (auto field = node.Field("infoText2")) station.infoText2 = field->String();
    if (auto field = node.Field("infoText3")) station.infoText3 = field->String();
    return station;
}

}  // namespace

int32_t ReadInt32(const JsonNode& node) {
    return static_cast<int32_t>(
        node.Integer(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

std::string ReadHostCall(const JsonNode& node) {
    std::string call = node.String();
    if (std::find(kHostCalls.begin(), kHostCalls.end(), call) == kHostCalls.end())
        node.Fail("unknown host operation " + Quoted(call));
    return call;
}

sim::Event ReadEventName(const JsonNode& node) {
    const std::string name = node.String();
    for (const auto& [eventName, event] : kEvents)
        if (eventName == name) return event;
    node.Fail("unknown event " + Quoted(name) + " (dataAvailable, mapRedrawn, mapChanged or hostClosing)");
}

sim::MapArea ReadMapArea(const JsonNode& node) {
    node.ExpectFields({"widthPixels", "heightPixels", "widthUnits", "heightUnits", "leftEdge", "topEdge"});
    sim::MapArea view;
    if (auto field = node.Field("widthPixels")) view.widthPixels = ReadInt16(*field);
    if (auto field = node.Field("heightPixels")) view.heightPixels = ReadInt16(*field);
    if (auto field = node.Field("widthUnits")) view.widthUnits = field->Single();
    if (auto field = node.Field("heightUnits")) view.heightUnits = field->Single();
    if (auto field = node.Field("leftEdge")) view.leftEdge = field->Single();
    if (auto field = node.Field("topEdge")) view.topEdge = field->Single();
    return view;
}

std::vector<sim::Station> ReadStations(const JsonNode& node) {
    std::vector<sim::Station> stations;
    for (const JsonNode& item : node.Items()) stations.push_back(ReadStation(item));
    return stations;
}

std::vector<std::string> ReadTexts(const JsonNode& node) {
    std::vector<std::string> texts;
    for (const JsonNode& item : node.Items()) texts.push_back(item.String());
    return texts;
}

HostData ReadHostData(const JsonNode& node) {
    HostData data;
    if (auto field = node.Field("map")) data.map = ReadMapArea(*field);
    if (auto field = node.Field("stations")) data.stations = ReadStations(*field);
    if (auto field = node.Field("objects")) data.objects = ReadTexts(*field);
    return data;
}

}  // namespace trivex::simkit
