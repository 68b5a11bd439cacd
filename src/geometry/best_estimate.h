// The best estimate of the transmitter's position from the stations' bearings: the position
// on the sphere that makes the bearings most likely, each weighted by its stated accuracy,
// with the 95% confidence ellipse of that fit. A bearing that disagrees with the others is
// left out by itself.
#pragma once

#include <optional>
#include <vector>

namespace trivex::geometry {

struct GeoPoint {
    double latDeg = 0.0;
    double lonDeg = 0.0;
};

// One station's reading: where it stands, its bearing and the bearing's standard deviation,
// all in degrees.
struct BearingReading {
    int row = 0;
    GeoPoint station;
    double bearingDeg = 0.0;
    double sigmaDeg = 0.0;
};

struct LeftOutBearing {
    int row = 0;
    double sigmas = 0.0;  // how far its bearing lies from the others' fit, in standard deviations
};

struct BestEstimate {
    GeoPoint position;
    double semiMajorKm = 0.0;  // of the 95% confidence ellipse
    double semiMinorKm = 0.0;
    double axisBearingDeg = 0.0;  // of the major axis, in [0, 180)
    int stationsUsed = 0;
    std::vector<LeftOutBearing> leftOut;
};

// Empty with fewer than two readings, or when the bearings fix no position. `start` is where
// the fit begins (the plot's fix); without it the fit begins at the best crossing.
[[nodiscard]] std::optional<BestEstimate> EstimatePosition(const std::vector<BearingReading>& readings,
                                                           std::optional<GeoPoint> start);

}  // namespace trivex::geometry
