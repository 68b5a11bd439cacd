// The station table: five DF stations, index 0..4 = row of the main window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "geometry/crossing.h"

namespace trivex::plot {

inline constexpr float kNoPosition = -9999.0f;
inline constexpr int kStationCount = 5;

struct StationEntry {
    std::string Callsign;
    float LatMinutes = 0.0f;
    float LonMinutes = 0.0f;
    int16_t Bearing = 0;
    int16_t FixCount = 0;
};

using StationTable = std::array<StationEntry, kStationCount>;

// Forgets what the last plot knew of the station: no position, no bearing, no fixes.
inline void ResetForPlot(StationEntry& entry) {
    entry.Bearing = geometry::kNoBearing;
    entry.LatMinutes = kNoPosition;
    entry.LonMinutes = kNoPosition;
    entry.FixCount = 0;
}

}  // namespace trivex::plot
