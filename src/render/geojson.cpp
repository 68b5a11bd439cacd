#include "geojson.h"

#include "json/json_text.h"
#include "plot_features.h"

namespace trivex::render {

using json::Json;

namespace {

Json Position(float xMinutes, float yMinutes) {
    return Json::Array{static_cast<double>(xMinutes) / 60.0, static_cast<double>(yMinutes) / 60.0};
}

template <typename T>
Json OrNull(const std::optional<T>& value) {
    return value ? Json(*value) : Json();
}

Json Feature(Json geometry, Json::Object properties) {
    return Json::Object{
        {"type", "Feature"}, {"geometry", std::move(geometry)}, {"properties", std::move(properties)}};
}

Json Point(geometry::MapPoint point) {
    return Json::Object{{"type", "Point"}, {"coordinates", Position(point.x, point.y)}};
}

void AddStations(Json::Array& features, const plot::PlotReview& review,
                 const std::vector<sim::Station>& hostStations) {
    for (int row = 0; row < plot::kStationCount; ++row) {
        const plot::StationEntry& entry = review.stations[row];
        if (entry.Bearing == geometry::kNoBearing) continue;
        features.push_back(Feature(Point({entry.LonMinutes, entry.LatMinutes}),
                                   {{"kind", "station"},
                                    {"row", row + 1},
                                    {"callsign", entry.Callsign},
                                    {"bearing", entry.Bearing},
                                    {"accuracy", OrNull(StationAccuracy(entry.Callsign, hostStations))}}));
    }
}

void AddLines(Json::Array& features, const plot::PlotReview& review, const MapPicture& drawing) {
    for (const BearingLine& drawn : BearingLines(drawing, review.stations)) {
        const MapPicture::Line& line = *drawn.line;
        features.push_back(Feature(
            Json::Object{
                {"type", "LineString"},
                {"coordinates", Json::Array{Position(line.x1, line.y1), Position(line.x2, line.y2)}}},
            {{"kind", "bearingLine"}, {"line", drawn.kind}, {"callsign", OrNull(drawn.station)}}));
    }
}

void AddCrossingsAndFix(Json::Array& features, const plot::PlotReview& review) {
    for (const plot::PairOutcome& pair : review.pairs)
        if (pair.verdict == plot::PairVerdict::Accepted)
            features.push_back(
                Feature(Point(*pair.crossing),
                        {{"kind", "crossing"}, {"pair", Json::Array{pair.first + 1, pair.second + 1}}}));
    if (review.fix) features.push_back(Feature(Point(*review.fix), {{"kind", "fix"}}));
}

void AddEstimate(Json::Array& features, const geometry::BestEstimate& estimate) {
    const geometry::GeoPoint& at = estimate.position;
    features.push_back(
        Feature(Json::Object{{"type", "Point"}, {"coordinates", Json::Array{at.lonDeg, at.latDeg}}},
                {{"kind", "estimate"},
                 {"semiMajorKm", estimate.semiMajorKm},
                 {"semiMinorKm", estimate.semiMinorKm},
                 {"axisBearing", estimate.axisBearingDeg},
                 {"confidence", 0.95},
                 {"stations", estimate.stationsUsed}}));
    Json::Array ring;
    for (const auto& [lon, lat] : EllipseRing(estimate)) ring.emplace_back(Json::Array{lon, lat});
    if (ring.empty()) return;
    features.push_back(
        Feature(Json::Object{{"type", "Polygon"}, {"coordinates", Json::Array{std::move(ring)}}},
                {{"kind", "ellipse"}, {"confidence", 0.95}}));
}

}  // namespace

std::string GeoJsonText(const plot::PlotReview& review, const MapPicture& drawing,
                        const std::vector<sim::Station>& hostStations,
                        const std::optional<geometry::BestEstimate>& estimate,
                        const std::optional<geometry::MapPoint>& transmitter) {
    Json::Array features;
    AddStations(features, review, hostStations);
    AddLines(features, review, drawing);
    AddCrossingsAndFix(features, review);
    if (estimate) AddEstimate(features, *estimate);
    if (transmitter) features.push_back(Feature(Point(*transmitter), {{"kind", "transmitter"}}));
    return Json(Json::Object{{"type", "FeatureCollection"}, {"features", std::move(features)}}).Text() + "\n";
}

}  // namespace trivex::render
