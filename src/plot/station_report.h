// The station information report: asks the host about one call-sign, logs the host's texts,
// reads the DF bearing and accuracy from the third text, shows them in the row's bearing box
// and draws the bearing lines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "geometry/map_view.h"
#include "host/host.h"
#include "plot/plot_display.h"
#include "plot/plot_map.h"

namespace trivex::plot {

// What the report found of a station: where it stands, its bearing and the bearing's accuracy.
struct StationReading {
    geometry::MapPoint position;
    int16_t bearing;
    int16_t accuracy;
};

// Nothing for an empty call-sign or "Callsign", for a station the host does not know, and for
// information without a valid DF reading. Host failures propagate as HostError.
//
// Each report asks with a station information object of its own, released when it ends: a host
// may fill only the fields it has for a station, or hand back an object of its own in place of
// the one passed, which is then only read.
[[nodiscard]] std::optional<StationReading> GetStationReport(const std::string& callsign, int row,
                                                             host::Host& host, host::UivApplication& app,
                                                             PlotMap& map, PlotDisplay& display);

}  // namespace trivex::plot
