#pragma once

#include <string>
#include <vector>

#include "geometry/best_estimate.h"
#include "geometry/map_view.h"
#include "host/sim/sim_host.h"
#include "map_picture.h"
#include "plot/intersection.h"

namespace trivex::render {

// What the map shows beside the host's own picture.
struct MapNotes {
    std::vector<plot::PairOutcome> pairs;  // rejected crossings within the view are drawn faintly
    std::optional<geometry::MapPoint> transmitter;
    std::optional<geometry::BestEstimate> estimate;  // drawn with its 95% ellipse
};

// The map as SVG, north up: a grid in degrees and minutes, the picture's drawing, the stations
// the host knows, the objects placed on it and the notes.
[[nodiscard]] std::string SvgText(const MapPicture& picture, const sim::MapArea& view,
                                  const std::vector<sim::Station>& stations, const MapNotes& notes = {});

}  // namespace trivex::render
