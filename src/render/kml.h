// The last plot as KML 2.2, for Google Earth and the mapping programs hams use: longitude and
// latitude in degrees, a folder each for the stations, the bearing lines, the crossings, the
// fix, the best estimate with its 95% ellipse, and the transmitter. Empty folders are left out.
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

[[nodiscard]] std::string KmlText(const plot::PlotReview& review, const MapPicture& drawing,
                                  const std::vector<sim::Station>& hostStations,
                                  const std::optional<geometry::BestEstimate>& estimate,
                                  const std::optional<geometry::MapPoint>& transmitter);

}  // namespace trivex::render
