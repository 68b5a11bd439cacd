#include "geometry/best_estimate.h"

#include <algorithm>
#include <cmath>

#include "geometry/bearing_fit.h"

namespace trivex::geometry {
namespace {

constexpr double kChiSquare95 = 5.991;  // of two degrees of freedom
constexpr double kOutlierSigmas = 3.0;
constexpr double kPi = 3.14159265358979323846;

// The fit from the start, else from the crossing that explains the bearings best.
std::optional<BearingFit> FitFrom(const std::vector<BearingReading>& readings,
                                  std::optional<GeoPoint> start) {
    if (start) return FitBearings(readings, *start);
    std::optional<GeoPoint> best;
    double bestChiSquare = 0.0;
    for (size_t i = 0; i < readings.size(); ++i) {
        for (size_t j = i + 1; j < readings.size(); ++j) {
            const std::optional<GeoPoint> crossing = CrossingOf(readings[i], readings[j]);
            if (!crossing) continue;
            const double chiSquare = ChiSquareAt(readings, *crossing);
            if (!best || chiSquare < bestChiSquare) {
                best = crossing;
                bestChiSquare = chiSquare;
            }
        }
    }
    if (!best) return std::nullopt;
    return FitBearings(readings, *best);
}

std::vector<BearingReading> Without(const std::vector<BearingReading>& readings, size_t index) {
    std::vector<BearingReading> others = readings;
    others.erase(others.begin() + static_cast<std::ptrdiff_t>(index));
    return others;
}

struct Suspect {
    size_t index = 0;
    double sigmas = 0.0;
    BearingFit othersFit;
};

// The reading that lies farthest from the fit of the others. Its distance is the square root
// of how much the chi-square grows when it joins them: in a linear model the residual from
// the others' fit over the standard deviation of that residual, which counts the others'
// uncertainty as seen from the station. Near a station, or far from all, the likelihood is
// not elliptical, and this holds there where the linearised deviation does not.
std::optional<Suspect> FarthestOf(const std::vector<BearingReading>& readings, std::optional<GeoPoint> start,
                                  std::optional<BearingFit> fit) {
    std::vector<std::optional<BearingFit>> others;
    // The fit of all cannot explain the bearings worse than any point the others' fits found.
    double least = fit ? fit->chiSquare : HUGE_VAL;
    for (size_t i = 0; i < readings.size(); ++i) {
        others.push_back(FitFrom(Without(readings, i), start));
        if (others.back()) least = std::min(least, ChiSquareAt(readings, others.back()->point));
    }
    std::optional<Suspect> farthest;
    for (size_t i = 0; i < readings.size(); ++i) {
        if (!others[i]) continue;
        const double sigmas = std::sqrt(std::max(0.0, least - others[i]->chiSquare));
        if (!farthest || sigmas > farthest->sigmas) farthest = Suspect{i, sigmas, *others[i]};
    }
    return farthest;
}

struct Axes {
    double majorKm, minorKm, bearingDeg;
};

// The 95% ellipse of the linearised covariance.
Axes LinearisedAxes(const EastNorth2x2& covariance) {
    const double half = (covariance.ee + covariance.nn) / 2;
    const double spread = std::hypot((covariance.ee - covariance.nn) / 2, covariance.en);
    double bearing = 0.5 * std::atan2(2 * covariance.en, covariance.nn - covariance.ee) * 180.0 / kPi;
    if (bearing < 0) bearing += 180.0;
    return {std::sqrt(kChiSquare95 * (half + spread)), std::sqrt(kChiSquare95 * std::max(0.0, half - spread)),
            bearing >= 180.0 ? 0.0 : bearing};
}

// Far from the stations the likelihood is not elliptical: its 95% region reaches farther on
// the side away from them. The region's edge is found along both ways of the linearised axes
// and of the diagonals between them; the ellipse on those axes of least area that holds the
// eight points is taken. Where the likelihood is elliptical, that is the linearised ellipse.
Axes TracedAxes(const std::vector<BearingReading>& readings, const BearingFit& fit) {
    const Axes linearised = LinearisedAxes(fit.covariance);
    const double limit = 100.0 * linearised.majorKm;
    const auto farthest = [&](double fromAxis) {
        double reach = 0.0;
        for (double way = 0.0; way < 360.0; way += 180.0)
            reach = std::max(reach, ReachAlong(readings, fit, linearised.bearingDeg + fromAxis + way,
                                               kChiSquare95, limit));
        return reach;
    };
    const double major = farthest(0.0);
    const double minor = farthest(90.0);
    const double diagonal = std::max(farthest(45.0), farthest(135.0));
    // The diagonal point (d/sqrt2, d/sqrt2) lies inside when 1/major^2 + 1/minor^2 <= 2/d^2.
    const double room = 2.0 / (diagonal * diagonal);
    const double a = 1.0 / (major * major);
    const double b = 1.0 / (minor * minor);
    if (a + b <= room) return {major, minor, linearised.bearingDeg};
    if (a < room / 2) return {major, 1.0 / std::sqrt(room - a), linearised.bearingDeg};
    if (b < room / 2) return {1.0 / std::sqrt(room - b), minor, linearised.bearingDeg};
    return {diagonal, diagonal, linearised.bearingDeg};
}

}  // namespace

std::optional<BestEstimate> EstimatePosition(const std::vector<BearingReading>& readings,
                                             std::optional<GeoPoint> start) {
    if (readings.size() < 2) return std::nullopt;
    std::vector<BearingReading> used = readings;
    std::optional<BearingFit> fit = FitFrom(used, start);
    BestEstimate estimate;
    while (used.size() >= 4) {
        const std::optional<Suspect> farthest = FarthestOf(used, start, fit);
        if (!farthest || farthest->sigmas <= kOutlierSigmas) break;
        estimate.leftOut.push_back({used[farthest->index].row, farthest->sigmas});
        used = Without(used, farthest->index);
        fit = farthest->othersFit;
    }
    if (!fit || !InFrontOfEvery(used, fit->point)) return std::nullopt;
    const Axes axes = TracedAxes(used, *fit);
    estimate.position = fit->point;
    estimate.semiMajorKm = axes.majorKm;
    estimate.semiMinorKm = axes.minorKm;
    estimate.axisBearingDeg = axes.bearingDeg;
    estimate.stationsUsed = static_cast<int>(used.size());
    return estimate;
}

}  // namespace trivex::geometry
