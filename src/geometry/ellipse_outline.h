// The best estimate on a map: its position in map units and its confidence ellipse's outline.
#pragma once

#include <vector>

#include "geometry/best_estimate.h"
#include "geometry/map_view.h"

namespace trivex::geometry {

inline constexpr int kEllipseSegments = 24;

// Degrees to minutes, in single precision as map units are.
[[nodiscard]] inline MapPoint InMapUnits(GeoPoint point) {
    return {static_cast<float>(point.lonDeg * 60.0), static_cast<float>(point.latDeg * 60.0)};
}

// kEllipseSegments points, joined in turn and the last to the first, starting at the end of
// the major axis that lies along its bearing and going clockwise. The ellipse is laid out on
// the plane that touches the sphere at the estimate, as its covariance is, and each point
// carried onto the sphere by its distance and bearing from the estimate. Longitudes run on
// from the estimate's, across the date line if need be. Empty when an axis is not finite.
[[nodiscard]] std::vector<GeoPoint> EllipseOutline(const BestEstimate& estimate);

}  // namespace trivex::geometry
