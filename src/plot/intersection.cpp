#include "plot/intersection.h"

#include <optional>

#include "geometry/crossing.h"
#include "support/numeric.h"

namespace trivex {
namespace {

BearingLine LineOf(const StationEntry& station) {
    return {station.LonMinutes, station.LatMinutes, station.Bearing};
}

std::optional<std::string> BearingRejection(const StationEntry& s1, const StationEntry& s2) {
    switch (CheckBearings(s1.Bearing, s2.Bearing)) {
        case BearingCheck::Usable:
            return std::nullopt;
        case BearingCheck::NoData:
            return "no data";
        case BearingCheck::FirstOutOfRange:
            return "bearing " + s1.Callsign + " out of range";
        case BearingCheck::SecondOutOfRange:
            return "bearing " + s2.Callsign + " out of range";
        case BearingCheck::SameBearings:
            break;
    }
    return "same bearings ";
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
    const std::optional<double> aspect = Aspect(map.View());
    if (!aspect) return result;
    const StationEntry& s1 = stations.at(iDF1);
    const StationEntry& s2 = stations.at(iDF2);
    if (auto reason = BearingRejection(s1, s2)) {
        result.result = *reason;
        return result;
    }
    const std::optional<Crossing> point = CrossBearingLines(LineOf(s1), LineOf(s2), *aspect);
    if (!point) return result;

    const host::DistanceBearing to1 = MeasureTo(app, s1, *point);
    const host::DistanceBearing to2 = MeasureTo(app, s2, *point);
    if (!IsInFront(to1.bearingDegrees, s1.Bearing) || !IsInFront(to2.bearingDegrees, s2.Bearing))
        return result;

    const double limitKm = ignoreDistanceMetres / 1000;
    if (to1.distanceKm <= limitKm && to2.distanceKm <= limitKm) {
        result.accepted = true;
        result.x = static_cast<float>(point->x);
        result.y = point->y;
    } else {
        result.result = "distance > " + NumberText(limitKm) + " km.";
    }
    return result;
}

}  // namespace trivex
