#include "geometry/ellipse_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trivex::geometry {
namespace {

constexpr double kEarthRadiusKm = 6371.0;  // the sphere of GreatCircle
constexpr double kRad = std::numbers::pi / 180.0;

// The point `distanceKm` from `from` along the great circle that leaves it at `bearingRad`.
GeoPoint Destination(GeoPoint from, double distanceKm, double bearingRad) {
    const double arc = distanceKm / kEarthRadiusKm;
    const double lat = from.latDeg * kRad;
    const double sinLat =
        std::sin(lat) * std::cos(arc) + std::cos(lat) * std::sin(arc) * std::cos(bearingRad);
    const double lat2 = std::asin(std::clamp(sinLat, -1.0, 1.0));
    const double dLon = std::atan2(std::sin(bearingRad) * std::sin(arc) * std::cos(lat),
                                   std::cos(arc) - std::sin(lat) * sinLat);
    return {lat2 / kRad, from.lonDeg + dLon / kRad};
}

}  // namespace

std::vector<GeoPoint> EllipseOutline(const BestEstimate& estimate) {
    std::vector<GeoPoint> points;
    if (!std::isfinite(estimate.semiMajorKm) || !std::isfinite(estimate.semiMinorKm)) return points;
    const double axis = estimate.axisBearingDeg * kRad;
    for (int i = 0; i < kEllipseSegments; ++i) {
        const double t = 2.0 * std::numbers::pi * i / kEllipseSegments;
        const double along = estimate.semiMajorKm * std::cos(t);   // on the major axis
        const double across = estimate.semiMinorKm * std::sin(t);  // on the minor axis, clockwise of it
        points.push_back(
            Destination(estimate.position, std::hypot(along, across), axis + std::atan2(across, along)));
    }
    return points;
}

}  // namespace trivex::geometry
