// Bearing lines and position markers planned in screen pixels and converted into map units
// with the view's scale, so that angles and sizes hold on the screen.
#pragma once

#include <cstdint>
#include <optional>

#include "geometry/map_view.h"

namespace trivex::geometry {

// Rays from one station: their length in pixels and the view's map units per pixel, each
// the single-precision quotient of extent and pixels.
struct RayPlan {
    MapPoint start;
    int16_t pixels = 0;
    double sx = 0.0;
    double sy = 0.0;
};

// Long enough to cross the whole view: its diagonal for a station inside it horizontally
// (edges included), else the distance to its far edge. Empty for a view without a usable scale.
[[nodiscard]] std::optional<RayPlan> PlanRays(const MapView& view, MapPoint station);

// The far end of the ray at a bearing in whole degrees.
[[nodiscard]] MapPoint RayEnd(const RayPlan& plan, int32_t bearing);

// Eight pixels in horizontal map units; empty for a view without pixels or a finite width.
[[nodiscard]] std::optional<float> MarkerRadius(const MapView& view);

}  // namespace trivex::geometry
