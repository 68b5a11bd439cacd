#include "geometry/great_circle.h"

#include <algorithm>
#include <cmath>

namespace trivex::geometry {

GreatCircleLeg GreatCircle(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kEarthRadiusKm = 6371.0;
    constexpr double kPi = 3.14159265358979323846;
    constexpr double kRad = kPi / 180.0;
    const double phi1 = lat1 * kRad;
    const double phi2 = lat2 * kRad;
    const double dPhi = (lat2 - lat1) * kRad;
    const double dLambda = (lon2 - lon1) * kRad;
    double a = std::sin(dPhi / 2) * std::sin(dPhi / 2) +
               std::cos(phi1) * std::cos(phi2) * std::sin(dLambda / 2) * std::sin(dLambda / 2);
    a = std::clamp(a, 0.0, 1.0);  // rounding may leave it just outside
    const double distance = 2 * kEarthRadiusKm * std::atan2(std::sqrt(a), std::sqrt(1 - a));
    const double y = std::sin(dLambda) * std::cos(phi2);
    const double x = std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dLambda);
    double bearing = std::fmod(std::atan2(y, x) / kRad + 360.0, 360.0);
    if (bearing >= 360.0) bearing -= 360.0;
    return {distance, bearing};
}

}  // namespace trivex::geometry
