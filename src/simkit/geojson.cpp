#include "geojson.h"

#include "json_text.h"
#include "plot/df_reading.h"

namespace trivex::simkit {

namespace {

constexpr host::Colour kMinusAccuracyColour = 0x0000FF;
constexpr host::Colour kPlusAccuracyColour = 0x00FF00;

Json Position(float xMinutes, float yMinutes) {
    return Json::Array{static_cast<double>(xMinutes) / 60.0, static_cast<double>(yMinutes) / 60.0};
}

Json Feature(Json geometry, Json::Object properties) {
    return Json::Object{
        {"type", "Feature"}, {"geometry", std::move(geometry)}, {"properties", std::move(properties)}};
}

Json Point(MapPoint point) {
    return Json::Object{{"type", "Point"}, {"coordinates", Position(point.x, point.y)}};
}

Json Accuracy(const std::string& callsign, const std::vector<sim::Station>& hostStations) {
    for (const sim::Station& station : hostStations) {
        if (station.callsign != callsign) continue;
        const DfReading reading = ParseDfText(station.infoText3);
        if (reading.status == DfStatus::Valid) return reading.accuracy;
    }
    return nullptr;
}

// The call-sign of the row whose station the line starts from.
Json LineStation(const MapPicture::Line& line, const StationTable& stations) {
    for (const StationEntry& entry : stations)
        if (entry.Bearing != kNoBearing && entry.LonMinutes == line.x1 && entry.LatMinutes == line.y1)
            return entry.Callsign;
    return nullptr;
}

const char* LineKind(host::Colour colour) {
    if (colour == kMinusAccuracyColour) return "minusAccuracy";
    if (colour == kPlusAccuracyColour) return "plusAccuracy";
    return "bearing";
}

void AddStations(Json::Array& features, const PlotReview& review,
                 const std::vector<sim::Station>& hostStations) {
    for (int row = 0; row < kStationCount; ++row) {
        const StationEntry& entry = review.stations[row];
        if (entry.Bearing == kNoBearing) continue;
        features.push_back(Feature(Point({entry.LonMinutes, entry.LatMinutes}),
                                   {{"kind", "station"},
                                    {"row", row + 1},
                                    {"callsign", entry.Callsign},
                                    {"bearing", entry.Bearing},
                                    {"accuracy", Accuracy(entry.Callsign, hostStations)}}));
    }
}

void AddLines(Json::Array& features, const PlotReview& review, const MapPicture& drawing) {
    for (const MapPicture::Line& line : drawing.lines)
        features.push_back(Feature(Json::Object{{"type", "LineString"},
                                                {"coordinates", Json::Array{Position(line.x1, line.y1),
                                                                            Position(line.x2, line.y2)}}},
                                   {{"kind", "bearingLine"},
                                    {"line", LineKind(line.colour)},
                                    {"callsign", LineStation(line, review.stations)}}));
}

void AddCrossingsAndFix(Json::Array& features, const PlotReview& review) {
    for (const PairOutcome& pair : review.pairs)
        if (pair.verdict == PairVerdict::Accepted)
            features.push_back(
                Feature(Point(*pair.crossing),
                        {{"kind", "crossing"}, {"pair", Json::Array{pair.first + 1, pair.second + 1}}}));
    if (review.fix) features.push_back(Feature(Point(*review.fix), {{"kind", "fix"}}));
}

}  // namespace

std::string GeoJsonText(const PlotReview& review, const MapPicture& drawing,
                        const std::vector<sim::Station>& hostStations,
                        const std::optional<MapPoint>& transmitter) {
    Json::Array features;
    AddStations(features, review, hostStations);
    AddLines(features, review, drawing);
    AddCrossingsAndFix(features, review);
    if (transmitter) features.push_back(Feature(Point(*transmitter), {{"kind", "transmitter"}}));
    return Json(Json::Object{{"type", "FeatureCollection"}, {"features", std::move(features)}}).Text() + "\n";
}

}  // namespace trivex::simkit
