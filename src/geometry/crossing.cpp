#include "geometry/crossing.h"

#include <cmath>
#include <optional>

#include "geometry/degree_trig.h"

namespace trivex::geometry {
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

// y = m x + c on the map, for a line that is not north-south.
struct Line {
    double m;
    double c;
};

Line LineOf(const BearingLine& line, double aspect) {
    const SinCos angle = SinCosOfDegrees(line.bearing);
    const double m = aspect * angle.cos / angle.sin;
    return {m, line.y - m * line.x};
}

// The crossing of a north-south line through `vertical` with the line of `other`.
Crossing CrossNorthSouth(const BearingLine& vertical, const BearingLine& other, double aspect) {
    const double x = vertical.x;
    if (IsEastWest(other.bearing)) return {x, other.y};
    const Line line = LineOf(other, aspect);
    return {x, static_cast<float>(line.m * x + line.c)};
}

// Empty when the slopes are equal: the lines never meet.
std::optional<Crossing> CrossSloped(const BearingLine& first, const BearingLine& second, double aspect) {
    const Line l1 = LineOf(first, aspect);
    const Line l2 = LineOf(second, aspect);
    if (l1.m == l2.m) return std::nullopt;
    const double x = (l2.c - l1.c) / (l1.m - l2.m);
    return Crossing{x, static_cast<float>(l1.m * x + l1.c)};
}

constexpr double kPoleMinutes = 90.0 * 60.0;

}  // namespace

BearingCheck CheckBearings(int16_t first, int16_t second) {
    if (first == kNoBearing || second == kNoBearing) return BearingCheck::NoData;
    if (!IsInRange(first)) return BearingCheck::FirstOutOfRange;
    if (!IsInRange(second)) return BearingCheck::SecondOutOfRange;
    if (first == second || (IsNorthSouth(first) && IsNorthSouth(second)) ||
        (IsEastWest(first) && IsEastWest(second)))
        return BearingCheck::SameBearings;
    return BearingCheck::Usable;
}

std::variant<Crossing, NoCrossing> CrossBearingLines(const BearingLine& first, const BearingLine& second,
                                                     double aspect) {
    const std::optional<Crossing> point = IsNorthSouth(first.bearing) ? CrossNorthSouth(first, second, aspect)
                                          : IsNorthSouth(second.bearing)
                                              ? CrossNorthSouth(second, first, aspect)
                                              : CrossSloped(first, second, aspect);
    if (point && std::isfinite(static_cast<float>(point->x)) && std::isfinite(point->y) &&
        std::fabs(point->y) <= kPoleMinutes)
        return *point;
    // Opposite bearings are parallel lines, though their rounded slopes may differ a little.
    const bool opposite = (first.bearing - second.bearing) % 180 == 0;
    return !point || opposite ? NoCrossing::Parallel : NoCrossing::BeyondRange;
}

bool IsInFront(double bearingToPoint, int16_t stationBearing) {
    double difference = std::fmod(std::fabs(bearingToPoint - stationBearing), 360.0);
    if (difference > 180.0) difference = 360.0 - difference;
    return difference < 90.0;
}

}  // namespace trivex::geometry
