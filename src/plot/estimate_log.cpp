#include "plot/estimate_log.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "geometry/ellipse_outline.h"
#include "geometry/position_text.h"

namespace trivex {
namespace {

// Room for any double: a poorly fixed estimate may have an ellipse of any size.
std::string Fixed(double value, int decimals) {
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, end.ptr);
}

// Three digits, as the DF text writes a bearing; an axis that rounds to 180 is the same as 0.
std::string AxisText(double bearingDeg) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%03d", static_cast<int>(std::lround(bearingDeg)) % 180);
    return buffer;
}

}  // namespace

std::string EstimateLines(const std::optional<BestEstimate>& estimate, const StationTable& stations) {
    if (!estimate) return "Best estimate: none\r\n";
    const MapPoint at = InMapUnits(estimate->position);
    std::string lines = "Best estimate: " + FormatPosition(at.y, at.x) + "\r\n95% within " +
                        Fixed(estimate->semiMajorKm, 2) + " x " + Fixed(estimate->semiMinorKm, 2) +
                        " km, long axis " + AxisText(estimate->axisBearingDeg) + " deg\r\n";
    for (const LeftOutBearing& left : estimate->leftOut)
        lines += "left out " + stations.at(left.row).Callsign + ": " + Fixed(left.sigmas, 1) +
                 " standard deviations from the others\r\n";
    return lines;
}

}  // namespace trivex
