#include "plot/intersection.h"

#include <variant>

#include "geometry/crossing.h"

namespace trivex {
namespace {

BearingLine LineOf(const StationEntry& station) {
    return {station.LonMinutes, station.LatMinutes, station.Bearing};
}

void Name(PairOutcome& outcome, PairVerdict verdict, const StationTable& stations, int16_t row) {
    outcome.verdict = verdict;
    outcome.stationRow = row;
    outcome.station = stations.at(row).Callsign;
    outcome.stationBearing = stations.at(row).Bearing;
}

// The verdict of the bearings alone; Accepted when they can be intersected.
void CheckPairBearings(const StationTable& stations, PairOutcome& outcome) {
    const int16_t b1 = stations.at(outcome.first).Bearing;
    const int16_t b2 = stations.at(outcome.second).Bearing;
    switch (CheckBearings(b1, b2)) {
        case BearingCheck::Usable:
            outcome.verdict = PairVerdict::Accepted;
            return;
        case BearingCheck::NoData:
            return Name(outcome, PairVerdict::NoData, stations,
                        b1 == kNoBearing ? outcome.first : outcome.second);
        case BearingCheck::FirstOutOfRange:
            return Name(outcome, PairVerdict::OutOfRange, stations, outcome.first);
        case BearingCheck::SecondOutOfRange:
            return Name(outcome, PairVerdict::OutOfRange, stations, outcome.second);
        case BearingCheck::SameBearings:
            outcome.verdict = PairVerdict::SameBearings;
            return;
    }
}

host::DistanceBearing MeasureTo(host::UivApplication& app, const StationEntry& station, Crossing point) {
    return app.CalcDistanceBearing(static_cast<double>(station.LatMinutes) / 60,
                                   static_cast<double>(station.LonMinutes) / 60,
                                   static_cast<double>(point.y) / 60, point.x / 60, true);
}

}  // namespace

Intersection ChkIntersection(const StationTable& stations, int16_t iDF1, int16_t iDF2, PlotMap& map,
                             host::UivApplication& app, double ignoreDistanceMetres) {
    Intersection result;
    PairOutcome& outcome = result.outcome;
    outcome.first = iDF1;
    outcome.second = iDF2;
    const std::optional<double> aspect = Aspect(map.View());
    if (!aspect) return result;
    const StationEntry& s1 = stations.at(iDF1);
    const StationEntry& s2 = stations.at(iDF2);
    CheckPairBearings(stations, outcome);
    if (outcome.verdict != PairVerdict::Accepted) return result;
    const std::variant<Crossing, NoCrossing> crossed = CrossBearingLines(LineOf(s1), LineOf(s2), *aspect);
    if (const NoCrossing* none = std::get_if<NoCrossing>(&crossed)) {
        outcome.verdict = *none == NoCrossing::Parallel ? PairVerdict::Parallel : PairVerdict::BeyondRange;
        return result;
    }
    const Crossing point = std::get<Crossing>(crossed);
    outcome.crossing = MapPoint{static_cast<float>(point.x), point.y};

    const host::DistanceBearing to1 = MeasureTo(app, s1, point);
    const host::DistanceBearing to2 = MeasureTo(app, s2, point);
    const bool front1 = IsInFront(to1.bearingDegrees, s1.Bearing);
    if (!front1 || !IsInFront(to2.bearingDegrees, s2.Bearing)) {
        Name(outcome, PairVerdict::Behind, stations, front1 ? iDF2 : iDF1);
        outcome.bearingToCrossing = front1 ? to2.bearingDegrees : to1.bearingDegrees;
        return result;
    }

    outcome.limitKm = ignoreDistanceMetres / 1000;
    if (to1.distanceKm <= outcome.limitKm && to2.distanceKm <= outcome.limitKm) {
        result.accepted = true;
        result.x = outcome.crossing->x;
        result.y = outcome.crossing->y;
    } else {
        const bool far1 = to1.distanceKm > outcome.limitKm;
        Name(outcome, PairVerdict::TooFar, stations, far1 ? iDF1 : iDF2);
        outcome.distanceKm = far1 ? to1.distanceKm : to2.distanceKm;
    }
    return result;
}

}  // namespace trivex
