// The last plot as GeoJSON (RFC 7946): longitude and latitude in degrees, one feature
// collection whose features carry a "kind": "station", "bearingLine", "crossing", "fix" or
// "estimate", "ellipse" or "transmitter".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/best_estimate.h"
#include "geometry/map_view.h"
#include "host/sim/sim_host.h"
#include "map_picture.h"
#include "plot/pair_review.h"

namespace trivex::render {

// The stations of the review's rows with a bearing (their accuracy read from the host's
// text), the bearing lines of `drawing` as drawn on the map, the accepted crossings, the fix,
// the best estimate with its 95% ellipse as a polygon, and the transmitter.
[[nodiscard]] std::string GeoJsonText(const plot::PlotReview& review, const MapPicture& drawing,
                                      const std::vector<sim::Station>& hostStations,
                                      const std::optional<geometry::BestEstimate>& estimate,
                                      const std::optional<geometry::MapPoint>& transmitter);

}  // namespace trivex::render
