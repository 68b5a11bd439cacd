#pragma once

#include <string>
#include <vector>

#include "host/sim/sim_host.h"
#include "map_picture.h"

namespace trivex::simkit {

// The map as SVG, north up: a grid in degrees and minutes, the picture's drawing, the stations
// the host knows and the objects placed on it.
std::string SvgText(const MapPicture& picture, const sim::MapView& view, const std::vector<sim::Station>& stations);

}  // namespace trivex::simkit
