// Whether two stations' bearing lines cross at a usable fix: the crossing on the map as the
// plot reads it, kept only when the host's distance and bearing calculation puts it in front
// of both stations and within the distance limit. Every pair also tells why, with the numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "geometry/map_view.h"
#include "host/host.h"
#include "plot/plot_map.h"
#include "plot/stations.h"

namespace trivex::plot {

enum class PairVerdict {
    Accepted,
    NoData,        // station: the first of the two without a bearing
    OutOfRange,    // station, stationBearing
    SameBearings,  //
    Parallel,      // parallel on the map
    BeyondRange,   // the lines meet beyond a pole or beyond the range of a position
    Behind,        // station, bearingToCrossing, stationBearing, crossing
    TooFar,        // station, distanceKm, limitKm, crossing
    NoMap,         // the map view has no usable scale
};

// One pair's outcome with the numbers behind it. Rows are 0..4.
struct PairOutcome {
    int16_t first = 0;
    int16_t second = 0;
    PairVerdict verdict = PairVerdict::NoMap;
    int16_t stationRow = -1;  // the row the verdict names
    std::string station{};    // and its call-sign
    int16_t stationBearing = 0;
    double bearingToCrossing = 0.0;  // the host's, from the station
    double distanceKm = 0.0;
    double limitKm = 0.0;
    std::optional<geometry::MapPoint> crossing{};  // where the lines meet, accepted or not
};

struct Intersection {
    bool accepted = false;
    float x = kNoPosition;  // longitude, minutes
    float y = kNoPosition;  // latitude, minutes
    PairOutcome outcome;
};

// Crosses the bearing lines of the station table's rows `first` and `second` (0..4). CalcDistanceBearing is
// asked only for a crossing that survives the checks of the bearings and the map.
[[nodiscard]] Intersection IntersectPair(const StationTable& stations, int16_t first, int16_t second,
                                         PlotMap& map, host::UivApplication& app,
                                         double ignoreDistanceMetres);

}  // namespace trivex::plot
