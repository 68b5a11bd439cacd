#include "geometry/best_estimate.h"

#include <cmath>
#include <cstdlib>

#include "geometry/bearing_fit.h"

namespace trivex {
namespace {

constexpr double kChiSquare95 = 5.991;  // of two degrees of freedom
constexpr double kOutlierSigmas = 3.0;
constexpr double kPi = 3.14159265358979323846;

int Knob(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : 0;
}

// From the start and from every crossing of two bearings, the fit with the least chi-square.
std::optional<BearingFit> BestFit(const std::vector<BearingReading>& readings, std::optional<GeoPoint> start) {
    std::vector<GeoPoint> starts;
    if (start) starts.push_back(*start);
    if (!start || Knob("MULTI"))
        for (size_t i = 0; i < readings.size(); ++i)
            for (size_t j = i + 1; j < readings.size(); ++j)
                if (auto crossing = CrossingOf(readings[i], readings[j])) starts.push_back(*crossing);
    std::optional<BearingFit> best;
    for (const GeoPoint& from : starts) {
        std::optional<BearingFit> fit = FitBearings(readings, from);
        if (fit && (!best || fit->chiSquare < best->chiSquare)) best = fit;
    }
    if (!start || best) return best;
    return BestFit(readings, std::nullopt);
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

// How far the reading lies from the others' fit, in standard deviations of the difference.
double SigmasFrom(const BearingReading& reading, const BearingFit& others, double fullChiSquare) {
    if (Knob("LR")) return std::sqrt(std::max(0.0, fullChiSquare - others.chiSquare));
    const std::optional<Residual> residual = ResidualAt(reading, others.point, others.covariance);
    if (!residual) return 0.0;
    const double variance = reading.sigmaDeg * reading.sigmaDeg + (Knob("NOPRED") ? 0.0 : residual->variance);
    return std::fabs(residual->deg) / std::sqrt(variance);
}

std::optional<Suspect> WorstOf(const std::vector<BearingReading>& readings, std::optional<GeoPoint> start,
                               double fullChiSquare) {
    std::optional<Suspect> worst;
    for (size_t i = 0; i < readings.size(); ++i) {
        std::optional<BearingFit> others = BestFit(Without(readings, i), start);
        if (!others) continue;
        const double sigmas = SigmasFrom(readings[i], *others, fullChiSquare);
        if (!worst || sigmas > worst->sigmas) worst = Suspect{i, sigmas, *others};
    }
    return worst;
}

void SetEllipse(const EastNorth2x2& covariance, BestEstimate& estimate) {
    const double half = (covariance.ee + covariance.nn) / 2;
    const double spread = std::hypot((covariance.ee - covariance.nn) / 2, covariance.en);
    estimate.semiMajorKm = std::sqrt(kChiSquare95 * (half + spread));
    estimate.semiMinorKm = std::sqrt(kChiSquare95 * std::max(0.0, half - spread));
    double axis = 0.5 * std::atan2(2 * covariance.en, covariance.nn - covariance.ee) * 180.0 / kPi;
    if (axis < 0) axis += 180.0;
    estimate.axisBearingDeg = axis >= 180.0 ? 0.0 : axis;
}

}  // namespace

std::optional<BestEstimate> EstimatePosition(const std::vector<BearingReading>& readings,
                                             std::optional<GeoPoint> start) {
    if (readings.size() < 2) return std::nullopt;
    std::vector<BearingReading> used = readings;
    std::optional<BearingFit> fit = BestFit(used, start);
    BestEstimate estimate;
    while (used.size() >= 4) {
        const std::optional<Suspect> worst = WorstOf(used, start, fit ? fit->chiSquare : 1e300);
        if (!worst || worst->sigmas <= kOutlierSigmas) break;
        estimate.leftOut.push_back({used[worst->index].row, worst->sigmas});
        used = Without(used, worst->index);
        fit = worst->othersFit;
    }
    if (!fit || !InFrontOfEvery(used, fit->point)) return std::nullopt;
    estimate.position = fit->point;
    estimate.stationsUsed = static_cast<int>(used.size());
    SetEllipse(fit->covariance, estimate);
    return estimate;
}

}  // namespace trivex
