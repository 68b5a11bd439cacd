// Random hunts played through the whole plot on the simulated host: a transmitter, three to
// five DF stations around it whose bearings carry the error their accuracy states, and how the
// best estimate and the plot's fix fare against the truth and against the Cramer-Rao bound.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

namespace trivex::simkit {

struct HuntOptions {
    int hunts = 0;
    uint64_t seed = 0;
    bool reflect = false;  // one station of four or five hears the transmitter 20 to 40 degrees off
};

// What one hunt gave.
struct HuntOutcome {
    std::optional<double> estimateMissKm;
    std::optional<double> fixMissKm;
    double boundKm = 0.0;           // the square root of the trace of the Cramer-Rao bound
    bool ellipseHolds = false;      // the 95% ellipse holds the transmitter
    bool reflected = false;         // one bearing was reflected
    bool reflectedLeftOut = false;  // and the estimate left it out
    int othersLeftOut = 0;          // good bearings the estimate left out
};

// The same seed gives the same hunts on every platform.
[[nodiscard]] std::vector<HuntOutcome> PlayHunts(const HuntOptions& options);

// Over the hunts. Misses are compared over the hunts that gave both an estimate and a fix.
struct HuntFigures {
    int hunts = 0;
    int estimates = 0;
    int fixes = 0;
    int both = 0;
    int ellipseHolds = 0;             // of the estimates
    double estimateEfficiency = 0.0;  // median of miss / sqrt(trace of the bound)
    double fixEfficiency = 0.0;
    double estimateMedianKm = 0.0;
    double fixMedianKm = 0.0;
    int reflected = 0;  // hunts with a reflected bearing and an estimate
    int reflectedLeftOut = 0;
    int othersLeftOut = 0;
};
[[nodiscard]] HuntFigures FiguresOf(const std::vector<HuntOutcome>& hunts);

void WriteHuntFigures(std::ostream& out, const HuntOptions& options, const HuntFigures& figures);

}  // namespace trivex::simkit
