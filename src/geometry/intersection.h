// Whether two stations' bearing lines cross at a usable fix, computed in the plane of the
// host's map as it is shown now, with the host's distance and bearing calculation.
#pragma once

#include <cstdint>
#include <string>

#include "host/host.h"
#include "host/stations.h"

namespace trivex {

struct Intersection {
    bool accepted = false;
    std::string result = "No intersection";  // why the pair was rejected
    float x = kNoPosition;                   // longitude, minutes
    float y = kNoPosition;                   // latitude, minutes
};

// Checks the pair of station table entries iDF1 and iDF2 (0..4). The map is read on every
// call; CalcDistanceBearing is asked only for a crossing that survives the data checks.
Intersection ChkIntersection(const StationTable& stations, int16_t iDF1, int16_t iDF2, host::UivMap& map,
                             host::UivApplication& app, double ignoreDistanceMetres);

}  // namespace trivex
