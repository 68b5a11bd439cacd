#include "plot/plot_estimate.h"

#include <cmath>

namespace trivex::plot {

// The accuracy is one standard deviation. The bearing is read in whole degrees, so it carries
// a rounding error spread evenly over one degree as well: variance 1/12 deg^2. An accuracy of
// 0 (or less) states none; it is taken as 5 degrees, the middle of what DF stations report.
double BearingSigmaDeg(int accuracy) {
    constexpr double kUnstatedDeg = 5.0;
    constexpr double kRoundingVariance = 1.0 / 12.0;
    const double stated = accuracy > 0 ? accuracy : kUnstatedDeg;
    return std::sqrt(stated * stated + kRoundingVariance);
}

void KeepReading(std::vector<geometry::BearingReading>& readings, const StationTable& stations, int row,
                 const StationReading& reading) {
    if (reading.bearing < 0 || reading.bearing > 360) return;
    geometry::BearingReading kept{row,
                                  {reading.position.y / 60.0, reading.position.x / 60.0},
                                  double(reading.bearing),
                                  BearingSigmaDeg(reading.accuracy)};
    for (geometry::BearingReading& earlier : readings) {
        if (stations[earlier.row].Callsign != stations[row].Callsign) continue;
        kept.row = earlier.row;
        earlier = kept;
        return;
    }
    readings.push_back(kept);
}

std::optional<geometry::BestEstimate> EstimateOf(const PlotReview& review) {
    std::optional<geometry::GeoPoint> start;
    if (review.fix) start = geometry::GeoPoint{review.fix->y / 60.0, review.fix->x / 60.0};
    return geometry::EstimatePosition(review.readings, start);
}

}  // namespace trivex::plot
