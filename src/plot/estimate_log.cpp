#include "plot/estimate_log.h"

#include <cmath>
#include <cstdio>

#include "geometry/ellipse_outline.h"
#include "geometry/position_text.h"
#include "support/numeric.h"

namespace trivex::plot {
namespace {

// Three digits, as the DF text writes a bearing; an axis that rounds to 180 is the same as 0.
std::string AxisText(double bearingDeg) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%03d", static_cast<int>(std::lround(bearingDeg)) % 180);
    return buffer;
}

}  // namespace

std::string EstimateLines(const std::optional<geometry::BestEstimate>& estimate,
                          const StationTable& stations) {
    if (!estimate) return "Best estimate: none\r\n";
    const geometry::MapPoint at = geometry::InMapUnits(estimate->position);
    std::string lines = "Best estimate: " + geometry::FormatPosition(at.y, at.x) + "\r\n95% within " +
                        support::FixedText(estimate->semiMajorKm, 2) + " x " +
                        support::FixedText(estimate->semiMinorKm, 2) + " km, long axis " +
                        AxisText(estimate->axisBearingDeg) + " deg\r\n";
    for (const geometry::LeftOutBearing& left : estimate->leftOut)
        lines += "left out " + stations.at(left.row).Callsign + ": " + support::FixedText(left.sigmas, 1) +
                 " standard deviations from the others\r\n";
    return lines;
}

}  // namespace trivex::plot
