#include "geometry/intersection.h"

#include <cmath>
#include <optional>

#include "geometry/degree_trig.h"
#include "support/numeric.h"

namespace trivex {
namespace {

bool IsNorthSouth(int16_t bearing) {
    return bearing == 0 || bearing == 180 || bearing == 360;
}
bool IsEastWest(int16_t bearing) {
    return bearing == 90 || bearing == 270;
}
bool IsInRange(int16_t bearing) {
    return bearing >= 0 && bearing <= 360;
}

// Minutes of latitude per minute of longitude along the same screen distance. Empty for a
// view without pixels or without a finite, non-zero extent.
std::optional<double> ReadAspect(host::UivMap& map) {
    const int16_t widthPixels = map.GetWidthPixels();
    const float widthUnits = map.GetWidthUnits();
    const int16_t heightPixels = map.GetHeightPixels();
    const float heightUnits = map.GetHeightUnits();
    if (widthPixels == 0 || heightPixels == 0 || widthUnits == 0 || !std::isfinite(widthUnits) ||
        !std::isfinite(heightUnits))
        return std::nullopt;
    const double sx = std::fabs(static_cast<double>(widthUnits) / widthPixels);
    const double sy = std::fabs(static_cast<double>(heightUnits) / heightPixels);
    return sy / sx;
}

// The reason a pair cannot be intersected from its bearings alone, if any.
std::optional<std::string> RejectBearings(const StationEntry& s1, const StationEntry& s2) {
    const int16_t b1 = s1.Bearing;
    const int16_t b2 = s2.Bearing;
    if (b1 == kNoBearing || b2 == kNoBearing) return "no data";
    if (!IsInRange(b1)) return "bearing " + s1.Callsign + " out of range";
    if (!IsInRange(b2)) return "bearing " + s2.Callsign + " out of range";
    if (b1 == b2 || (IsNorthSouth(b1) && IsNorthSouth(b2)) || (IsEastWest(b1) && IsEastWest(b2)))
        return "same bearings ";
    return std::nullopt;
}

// y = m x + c on the map, for a line that is not north-south.
struct Line {
    double m;
    double c;
};

Line LineOf(const StationEntry& station, double aspect) {
    const SinCos angle = SinCosOfDegrees(station.Bearing);
    const double m = aspect * angle.cos / angle.sin;
    return {m, station.LatMinutes - m * station.LonMinutes};
}

struct Crossing {
    double x;
    float y;
};

// The crossing of a north-south line through `vertical` with the line of `other`.
Crossing CrossNorthSouth(const StationEntry& vertical, const StationEntry& other, double aspect) {
    const double x = vertical.LonMinutes;
    if (IsEastWest(other.Bearing)) return {x, other.LatMinutes};
    const Line line = LineOf(other, aspect);
    return {x, static_cast<float>(line.m * x + line.c)};
}

// Empty when neither line is north-south and the slopes are equal: the lines never meet.
std::optional<Crossing> CrossSloped(const StationEntry& s1, const StationEntry& s2, double aspect) {
    const Line l1 = LineOf(s1, aspect);
    const Line l2 = LineOf(s2, aspect);
    if (l1.m == l2.m) return std::nullopt;
    const double x = (l2.c - l1.c) / (l1.m - l2.m);
    return Crossing{x, static_cast<float>(l1.m * x + l1.c)};
}

constexpr double kPoleMinutes = 90.0 * 60.0;

// Empty when the lines are parallel, or meet beyond the range of a single or beyond a pole,
// where no position is.
std::optional<Crossing> Cross(const StationEntry& s1, const StationEntry& s2, double aspect) {
    const std::optional<Crossing> point = IsNorthSouth(s1.Bearing)   ? CrossNorthSouth(s1, s2, aspect)
                                          : IsNorthSouth(s2.Bearing) ? CrossNorthSouth(s2, s1, aspect)
                                                                     : CrossSloped(s1, s2, aspect);
    if (!point || !std::isfinite(static_cast<float>(point->x)) || !std::isfinite(point->y) ||
        std::fabs(point->y) > kPoleMinutes)
        return std::nullopt;
    return point;
}

// Whether the host's bearing towards a point lies within 90 degrees of the station's bearing,
// the difference taken around the circle.
bool IsInFront(double bearingToPoint, int16_t stationBearing) {
    double difference = std::fmod(std::fabs(bearingToPoint - stationBearing), 360.0);
    if (difference > 180.0) difference = 360.0 - difference;
    return difference < 90.0;
}

host::DistanceBearing MeasureTo(host::UivApplication& app, const StationEntry& station, Crossing point) {
    return app.CalcDistanceBearing(static_cast<double>(station.LatMinutes) / 60,
                                   static_cast<double>(station.LonMinutes) / 60,
                                   static_cast<double>(point.y) / 60, point.x / 60, true);
}

}  // namespace

Intersection ChkIntersection(const StationTable& stations, int16_t iDF1, int16_t iDF2, host::UivMap& map,
                             host::UivApplication& app, double ignoreDistanceMetres) {
    Intersection result;
    const std::optional<double> aspect = ReadAspect(map);
    if (!aspect) return result;
    const StationEntry& s1 = stations.at(iDF1);
    const StationEntry& s2 = stations.at(iDF2);
    if (auto reason = RejectBearings(s1, s2)) {
        result.result = *reason;
        return result;
    }
    const std::optional<Crossing> point = Cross(s1, s2, *aspect);
    if (!point) return result;

    const host::DistanceBearing to1 = MeasureTo(app, s1, *point);
    const host::DistanceBearing to2 = MeasureTo(app, s2, *point);
    if (!IsInFront(to1.bearingDegrees, s1.Bearing) || !IsInFront(to2.bearingDegrees, s2.Bearing))
        return result;

    const double limitKm = ignoreDistanceMetres / 1000;
    if (to1.distanceKm <= limitKm && to2.distanceKm <= limitKm) {
        result.accepted = true;
        result.x = static_cast<float>(point->x);
        result.y = point->y;
    } else {
        result.result = "distance > " + NumberText(limitKm) + " km.";
    }
    return result;
}

}  // namespace trivex
