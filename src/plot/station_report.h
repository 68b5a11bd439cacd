// The station information report: asks the host about one call-sign, logs the host's texts,
// reads the DF bearing and accuracy from the third text, shows them in the row's bearing box
// and draws the bearing lines.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "geometry/map_view.h"
#include "host/host.h"
#include "plot/plot_display.h"
#include "plot/plot_map.h"

namespace trivex {

// What the report found of a station: where it stands, its bearing and the bearing's accuracy.
struct StationReading {
    MapPoint position;
    int16_t bearing;
    int16_t accuracy;
};

// The station information object of one plot, created when first needed and asked about one
// call-sign after another: the host fills it anew for each station it knows, and a report
// reads nothing of it for a station the host does not know.
class StationInfoSource {
  public:
    explicit StationInfoSource(host::Host& host) : host_(host) {}
    host::UivStationInfo& Get() {
        if (!info_) info_ = host_.NewStationInfo();
        return *info_;
    }

  private:
    host::Host& host_;
    std::unique_ptr<host::UivStationInfo> info_;
};

// Nothing for an empty call-sign or "Callsign", for a station the host does not know, and for
// information without a valid DF reading. Host failures propagate as HostError.
std::optional<StationReading> GetStationReport(const std::string& callsign, int row, StationInfoSource& infos,
                                               host::UivApplication& app, PlotMap& map, PlotDisplay& display);

}  // namespace trivex
