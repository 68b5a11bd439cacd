// What the GeoJSON and the KML of a plot share: the bearing lines as drawn, which station each
// starts from, a station's accuracy as the host's text gives it, and the estimate's outline.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "geometry/best_estimate.h"
#include "host/sim/sim_host.h"
#include "map_picture.h"
#include "plot/stations.h"

namespace trivex::render {

// The accuracy in the station's DF text; empty when the host has no valid one.
[[nodiscard]] std::optional<int> StationAccuracy(const std::string& callsign,
                                                 const std::vector<sim::Station>& hostStations);

struct BearingLine {
    const MapPicture::Line* line;
    const char* kind;                    // "bearing", "minusAccuracy" or "plusAccuracy"
    std::optional<std::string> station;  // the call-sign of the row it starts from
};
// The drawing's lines but those of the best estimate.
[[nodiscard]] std::vector<BearingLine> BearingLines(const MapPicture& drawing,
                                                    const plot::StationTable& stations);

// The ellipse's outline in degrees, [longitude, latitude], closed (the last point is the
// first), anticlockwise as GeoJSON and KML want an outer ring; empty without one.
[[nodiscard]] std::vector<std::array<double, 2>> EllipseRing(const geometry::BestEstimate& estimate);

}  // namespace trivex::render
