// Distance and bearing between two points on a sphere of the earth's mean radius, the
// calculation the simulated host answers CalcDistanceBearing with.
#pragma once

namespace trivex::geometry {

struct GreatCircleLeg {
    double distanceKm = 0.0;
    double bearingDegrees = 0.0;  // initial bearing from the first point, in [0, 360)
};

// The great circle on a sphere of radius 6371.0 km: haversine distance and initial bearing,
// from degrees.
[[nodiscard]] GreatCircleLeg GreatCircle(double lat1, double lon1, double lat2, double lon2);

}  // namespace trivex::geometry
