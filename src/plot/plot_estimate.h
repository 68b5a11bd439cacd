// The best estimate of a plot: its valid readings, each bearing with the standard deviation
// its stated accuracy gives, fitted on the sphere from the plot's fix.
#pragma once

#include <optional>
#include <vector>

#include "geometry/best_estimate.h"
#include "plot/pair_review.h"
#include "plot/station_report.h"
#include "plot/stations.h"

namespace trivex::plot {

// The standard deviation of a bearing the DF text gives in whole degrees with this accuracy.
[[nodiscard]] double BearingSigmaDeg(int accuracy);

// Keeps a row's valid reading with a bearing in 0..360. A call-sign already read at an
// earlier row updates that row's reading: one station counts once.
void KeepReading(std::vector<geometry::BearingReading>& readings, const StationTable& stations, int row,
                 const StationReading& reading);

// Fitted from the plot's fix when it has one, else from the best crossing.
[[nodiscard]] std::optional<geometry::BestEstimate> EstimateOf(const PlotReview& review);

}  // namespace trivex::plot
