#include "plot/intersection.h"

#include <variant>

#include "geometry/crossing.h"

namespace trivex::plot {
namespace {

geometry::BearingLine LineOf(const StationEntry& station) {
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
    switch (geometry::CheckBearings(b1, b2)) {
        case geometry::BearingCheck::Usable:
            outcome.verdict = PairVerdict::Accepted;
            return;
        case geometry::BearingCheck::NoData:
            return Name(outcome, PairVerdict::NoData, stations,
                        b1 == geometry::kNoBearing ? outcome.first : outcome.second);
        case geometry::BearingCheck::FirstOutOfRange:
            return Name(outcome, PairVerdict::OutOfRange, stations, outcome.first);
        case geometry::BearingCheck::SecondOutOfRange:
            return Name(outcome, PairVerdict::OutOfRange, stations, outcome.second);
        case geometry::BearingCheck::SameBearings:
            outcome.verdict = PairVerdict::SameBearings;
            return;
    }
}

host::DistanceBearing MeasureTo(host::UivApplication& app, const StationEntry& station,
                                geometry::Crossing point) {
    return app.CalcDistanceBearing(static_cast<double>(station.LatMinutes) / 60,
                                   static_cast<double>(station.LonMinutes) / 60,
                                   static_cast<double>(point.y) / 60, point.x / 60, true);
}

// Asks the host for the distance and bearing from each station to the crossing, both before
// anything is decided; the crossing is accepted in front of both and within the limit.
void JudgeCrossing(const StationTable& stations, geometry::Crossing point, host::UivApplication& app,
                   double ignoreDistanceMetres, PairOutcome& outcome) {
    const StationEntry& s1 = stations.at(outcome.first);
    const StationEntry& s2 = stations.at(outcome.second);
    const host::DistanceBearing to1 = MeasureTo(app, s1, point);
    const host::DistanceBearing to2 = MeasureTo(app, s2, point);
    const bool front1 = geometry::IsInFront(to1.bearingDegrees, s1.Bearing);
    if (!front1 || !geometry::IsInFront(to2.bearingDegrees, s2.Bearing)) {
        Name(outcome, PairVerdict::Behind, stations, front1 ? outcome.second : outcome.first);
        outcome.bearingToCrossing = front1 ? to2.bearingDegrees : to1.bearingDegrees;
        return;
    }
    outcome.limitKm = ignoreDistanceMetres / 1000;
    if (to1.distanceKm <= outcome.limitKm && to2.distanceKm <= outcome.limitKm) return;
    const bool far1 = to1.distanceKm > outcome.limitKm;
    Name(outcome, PairVerdict::TooFar, stations, far1 ? outcome.first : outcome.second);
    outcome.distanceKm = far1 ? to1.distanceKm : to2.distanceKm;
}

}  // namespace

Intersection IntersectPair(const StationTable& stations, int16_t first, int16_t second, PlotMap& map,
                           host::UivApplication& app, double ignoreDistanceMetres) {
    Intersection result;
    PairOutcome& outcome = result.outcome;
    outcome.first = first;
    outcome.second = second;
    const std::optional<double> aspect = geometry::Aspect(map.View());
    if (!aspect) return result;
    CheckPairBearings(stations, outcome);
    if (outcome.verdict != PairVerdict::Accepted) return result;
    const std::variant<geometry::Crossing, geometry::NoCrossing> crossed =
        geometry::CrossBearingLines(LineOf(stations.at(first)), LineOf(stations.at(second)), *aspect);
    if (const geometry::NoCrossing* none = std::get_if<geometry::NoCrossing>(&crossed)) {
        outcome.verdict =
            *none == geometry::NoCrossing::Parallel ? PairVerdict::Parallel : PairVerdict::BeyondRange;
        return result;
    }
    const geometry::Crossing point = std::get<geometry::Crossing>(crossed);
    outcome.crossing = geometry::MapPoint{static_cast<float>(point.x), point.y};
    JudgeCrossing(stations, point, app, ignoreDistanceMetres, outcome);
    if (outcome.verdict == PairVerdict::Accepted) {
        result.accepted = true;
        result.x = outcome.crossing->x;
        result.y = outcome.crossing->y;
    }
    return result;
}

}  // namespace trivex::plot
