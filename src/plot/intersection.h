// Whether two stations' bearing lines cross at a usable fix: the crossing on the map as the
// plot reads it, kept only when the host's distance and bearing calculation puts it in front
// of both stations and within the distance limit.
#pragma once

#include <cstdint>
#include <string>

#include "host/host.h"
#include "plot/plot_map.h"
#include "plot/stations.h"

namespace trivex {

struct Intersection {
    bool accepted = false;
    std::string result = "No intersection";  // why the pair was rejected
    float x = kNoPosition;                   // longitude, minutes
    float y = kNoPosition;                   // latitude, minutes
};

// Checks the pair of station table entries iDF1 and iDF2 (0..4). CalcDistanceBearing is
// asked only for a crossing that survives the checks of the bearings and the map.
Intersection ChkIntersection(const StationTable& stations, int16_t iDF1, int16_t iDF2, PlotMap& map,
                             host::UivApplication& app, double ignoreDistanceMetres);

}  // namespace trivex
