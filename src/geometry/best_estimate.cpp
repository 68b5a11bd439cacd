#include "geometry/best_estimate.h"

namespace trivex {

std::optional<BestEstimate> EstimatePosition(const std::vector<BearingReading>&, std::optional<GeoPoint>) {
    return std::nullopt;
}

}  // namespace trivex
