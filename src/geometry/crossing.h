// The crossing of two stations' bearing lines in the plane of the host's map, where the lines
// keep on the map the slope they have on the screen.
#pragma once

#include <cstdint>
#include <variant>

#include "geometry/map_view.h"

namespace trivex::geometry {

inline constexpr int16_t kNoBearing = -9999;

// A station's position in minutes and its bearing in whole degrees clockwise from north.
struct BearingLine {
    float x = 0.0f;
    float y = 0.0f;
    int16_t bearing = kNoBearing;
};

// Whether two bearings can be intersected at all, by the first rule that applies: a missing
// bearing, then one outside 0..360 (the first station's before the second's), then equal
// directions (the same number, both north-south or both east-west).
enum class BearingCheck { Usable, NoData, FirstOutOfRange, SecondOutOfRange, SameBearings };
[[nodiscard]] BearingCheck CheckBearings(int16_t first, int16_t second);

// The crossing point: x as computed, y rounded to a single.
struct Crossing {
    double x = 0.0;
    float y = 0.0f;
};

// Why two lines give no position: they are parallel on the map (bearings 180 degrees apart),
// or they meet beyond a pole or beyond the range of a single, where no position is.
enum class NoCrossing { Parallel, BeyondRange };

// Where the full lines meet on a map of the given aspect.
[[nodiscard]] std::variant<Crossing, NoCrossing> CrossBearingLines(const BearingLine& first,
                                                                   const BearingLine& second, double aspect);

// Whether a point whose bearing from the station is bearingToPoint lies ahead of it: less
// than 90 degrees from the station's bearing, the difference taken around the circle.
[[nodiscard]] bool IsInFront(double bearingToPoint, int16_t stationBearing);

}  // namespace trivex::geometry
