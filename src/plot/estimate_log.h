// The status log's lines on the best estimate, CR LF ended.
#pragma once

#include <optional>
#include <string>

#include "geometry/best_estimate.h"
#include "plot/stations.h"

namespace trivex::plot {

// "Best estimate: 53.23.05N, 001.52.20W", "95% within 0.40 x 0.21 km, long axis 037 deg" and
// for each station left out "left out 2E0CLF: 6.1 standard deviations from the others";
// "Best estimate: none" without one.
[[nodiscard]] std::string EstimateLines(const std::optional<geometry::BestEstimate>& estimate,
                                        const StationTable& stations);

}  // namespace trivex::plot
