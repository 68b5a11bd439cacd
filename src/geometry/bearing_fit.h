// Bearings fitted on the sphere: the point whose great-circle initial bearings from the
// stations best match the readings, each residual in units of its standard deviation, and
// how closely the readings fix a point. Distances on the sphere of great_circle.h.
#pragma once

#include <optional>
#include <vector>

#include "geometry/best_estimate.h"

namespace trivex::geometry {

// A symmetric 2 x 2 matrix over (east, north) displacements in km.
struct EastNorth2x2 {
    double ee = 0.0;
    double en = 0.0;
    double nn = 0.0;
};

// The sum of the squared standardized residuals, each the reading's bearing less the bearing
// to the point, taken around the circle.
[[nodiscard]] double ChiSquareAt(const std::vector<BearingReading>& readings, GeoPoint point);

// The inverse of the readings' information about the point, in km^2: the covariance of a
// fit there, and at the true point the Cramer-Rao bound. Empty when the readings do not fix it.
[[nodiscard]] std::optional<EastNorth2x2> CovarianceAt(const std::vector<BearingReading>& readings,
                                                       GeoPoint point);

// The point `east` and `north` km from `from`, along the great circle.
[[nodiscard]] GeoPoint Offset(GeoPoint from, double eastKm, double northKm);

struct BearingFit {
    GeoPoint point;
    double chiSquare = 0.0;
    EastNorth2x2 covariance;
};

// Levenberg-Marquardt from `start`. Empty when it does not settle at a point the readings fix.
[[nodiscard]] std::optional<BearingFit> FitBearings(const std::vector<BearingReading>& readings,
                                                    GeoPoint start);

// Whether the point lies within 90 degrees of every station's bearing, and less than a quarter
// of the circumference from it.
[[nodiscard]] bool InFrontOfEvery(const std::vector<BearingReading>& readings, GeoPoint point);

// How far from the fit, in km along the direction `bearingDeg`, the chi-square first rises by
// `rise`; at most `limitKm`.
[[nodiscard]] double ReachAlong(const std::vector<BearingReading>& readings, const BearingFit& fit,
                                double bearingDeg, double rise, double limitKm);

// Where the two bearings' great circles cross in front of both stations; empty if nowhere.
[[nodiscard]] std::optional<GeoPoint> CrossingOf(const BearingReading& first, const BearingReading& second);

}  // namespace trivex::geometry
