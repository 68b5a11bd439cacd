// The last plot's review as trivex-sim gives it: the pairs and the leave-one-out figures in
// the transcript and the summary, and in a practice run how far the fix fell from the
// transmitter.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "geometry/map_view.h"
#include "json/json_text.h"
#include "plot/pair_review.h"

namespace trivex::render {

// From the transmitter to the fix, on the great circle.
struct Miss {
    double distanceKm = 0.0;
    double bearingDegrees = 0.0;
};
[[nodiscard]] Miss MissOf(geometry::MapPoint transmitter, geometry::MapPoint fix);

// The members a transcript step gains when it plotted: "pairs", "leaveOneOut", "estimate" (null
// without one) and, with a transmitter, "miss" and "estimateMiss" (null without a fix or an estimate).
void AddReview(json::Json::Object& step, const plot::PlotReview& review,
               const std::optional<geometry::MapPoint>& transmitter);

// The pairs as a table, the station whose removal moves the fix most, the best estimate and
// the misses of the fix and of the estimate.
void WriteReview(std::ostream& out, const plot::PlotReview& review,
                 const std::optional<geometry::MapPoint>& transmitter);

}  // namespace trivex::render
