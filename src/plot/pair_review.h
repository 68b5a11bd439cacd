// Why a plot found the fix it did: every pair's outcome, and for each station that took part
// how far the fix moves without the pairs that contain it. Worked out from the accepted
// crossings alone, with no further host calls; distances on the great circle.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "geometry/best_estimate.h"
#include "geometry/map_view.h"
#include "plot/intersection.h"
#include "plot/stations.h"

namespace trivex::plot {

struct LeftOut {
    int16_t row = 0;
    std::string station;
    std::optional<geometry::MapPoint> fix;  // empty: no accepted crossing is left without the station
    double movesKm = 0.0;                   // from the plot's fix to `fix`
};

// The last plot's review. `pairs` holds the ten pairs in plot order; `readings` one valid
// reading with a bearing in 0..360 per call-sign, at the first row that names it.
struct PlotReview {
    StationTable stations{};
    std::vector<PairOutcome> pairs;
    std::optional<geometry::MapPoint> fix;
    std::vector<LeftOut> leaveOneOut;
    std::vector<geometry::BearingReading> readings;
};

// The plain mean of the accepted crossings as the plot takes it, leaving out the pairs of
// the row `without` (-1: none); empty when no crossing is left.
[[nodiscard]] std::optional<geometry::MapPoint> MeanOfAccepted(const std::vector<PairOutcome>& pairs,
                                                               int without = -1);

// One entry for every row that is part of an accepted pair, in row order.
[[nodiscard]] std::vector<LeftOut> LeaveEachOut(const std::vector<PairOutcome>& pairs,
                                                const StationTable& stations);

// "[1,2]": the pair's rows counted from 1.
[[nodiscard]] std::string PairName(const PairOutcome& outcome);
// The status log's lines, CR LF ended: "[1,2] too far: M0BXT 12.34 km, limit 10 km",
// "without G4KDR the fix moves 0.42 km".
[[nodiscard]] std::string PairLine(const PairOutcome& outcome);
[[nodiscard]] std::string LeftOutLine(const LeftOut& left);

// The pair's verdict in a few words: "accepted", "too far", ...; by its name ("accepted",
// "tooFar", ...); and the numbers behind it.
[[nodiscard]] std::string VerdictWords(PairVerdict verdict);
[[nodiscard]] std::string VerdictName(PairVerdict verdict);
[[nodiscard]] std::string VerdictDetails(const PairOutcome& outcome);

}  // namespace trivex::plot
