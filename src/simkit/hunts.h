// Random hunts played through the whole plot on the simulated host: a transmitter, three to
// five DF stations around it whose bearings carry the error their accuracy states, and how the
// best estimate and the plot's fix fare against the truth and against the Cramer-Rao bound.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include "geometry/best_estimate.h"

namespace trivex::simkit {

struct HuntOptions {
    int hunts = 0;
    uint64_t seed = 0;
    bool reflect = false;  // one station of four or five hears the transmitter 20 to 40 degrees off
};

// What one hunt gave.
struct HuntOutcome {
    int stations = 0;
    std::optional<double> estimateMissKm;
    std::optional<double> fixMissKm;
    double boundKm = 0.0;           // the square root of the trace of the Cramer-Rao bound
    bool ellipseHolds = false;      // the 95% ellipse holds the transmitter
    std::optional<int> reflected;   // the row whose bearing was reflected
    bool reflectedLeftOut = false;  // and the estimate left it out
    int othersLeftOut = 0;          // good stations the estimate left out
};

std::vector<HuntOutcome> PlayHunts(const HuntOptions& options);

// The figures over the hunts, one a line.
void WriteHuntFigures(std::ostream& out, const HuntOptions& options, const std::vector<HuntOutcome>& hunts);

}  // namespace trivex::simkit
