#include "plot/pair_review.h"

#include <iterator>

#include "geometry/great_circle.h"
#include "geometry/position_text.h"
#include "support/numeric.h"

namespace trivex::plot {
namespace {

std::string StationName(const PairOutcome& outcome) {
    return outcome.station.empty() ? "row " + std::to_string(outcome.stationRow + 1) : outcome.station;
}

double KmBetween(geometry::MapPoint a, geometry::MapPoint b) {
    return geometry::GreatCircle(a.y / 60.0, a.x / 60.0, b.y / 60.0, b.x / 60.0).distanceKm;
}

struct VerdictTexts {
    PairVerdict verdict;
    const char* words;
    const char* name;
};

constexpr VerdictTexts kVerdictTexts[] = {
    {PairVerdict::Accepted, "accepted", "accepted"},
    {PairVerdict::NoData, "no data", "noData"},
    {PairVerdict::OutOfRange, "bearing out of range", "outOfRange"},
    {PairVerdict::SameBearings, "same bearings", "sameBearings"},
    {PairVerdict::Parallel, "parallel on the map", "parallel"},
    {PairVerdict::BeyondRange, "beyond a pole or out of range", "beyondRange"},
    {PairVerdict::Behind, "behind a station", "behind"},
    {PairVerdict::TooFar, "too far", "tooFar"},
    {PairVerdict::NoMap, "no usable map", "noMap"},
};

const VerdictTexts& TextsOf(PairVerdict verdict) {
    for (const VerdictTexts& texts : kVerdictTexts)
        if (texts.verdict == verdict) return texts;
    return kVerdictTexts[std::size(kVerdictTexts) - 1];
}

}  // namespace

std::optional<geometry::MapPoint> MeanOfAccepted(const std::vector<PairOutcome>& pairs, int without) {
    double sumX = 0.0;
    double sumY = 0.0;
    int count = 0;
    for (const PairOutcome& pair : pairs) {
        if (pair.verdict != PairVerdict::Accepted || pair.first == without || pair.second == without)
            continue;
        sumX += pair.crossing->x;
        sumY += pair.crossing->y;
        ++count;
    }
    if (count == 0) return std::nullopt;
    return geometry::MapPoint{static_cast<float>(sumX / count), static_cast<float>(sumY / count)};
}

std::vector<LeftOut> LeaveEachOut(const std::vector<PairOutcome>& pairs, const StationTable& stations) {
    std::vector<LeftOut> result;
    const std::optional<geometry::MapPoint> fix = MeanOfAccepted(pairs);
    for (int16_t row = 0; row < kStationCount; ++row) {
        if (stations[row].FixCount <= 0) continue;
        LeftOut left{row, stations[row].Callsign, MeanOfAccepted(pairs, row)};
        if (left.fix) left.movesKm = KmBetween(*fix, *left.fix);
        result.push_back(std::move(left));
    }
    return result;
}

std::string VerdictWords(PairVerdict verdict) {
    return TextsOf(verdict).words;
}

std::string VerdictName(PairVerdict verdict) {
    return TextsOf(verdict).name;
}

std::string VerdictDetails(const PairOutcome& outcome) {
    switch (outcome.verdict) {
        case PairVerdict::Accepted:
            return geometry::FormatPosition(outcome.crossing->y, outcome.crossing->x);
        case PairVerdict::NoData:
            return StationName(outcome);
        case PairVerdict::OutOfRange:
            return StationName(outcome) + " " + std::to_string(outcome.stationBearing);
        case PairVerdict::Behind:
            return StationName(outcome) + ", crossing at " +
                   support::FixedText(outcome.bearingToCrossing, 1) + " deg from it, its bearing " +
                   std::to_string(outcome.stationBearing) + " deg";
        case PairVerdict::TooFar:
            return StationName(outcome) + " " + support::FixedText(outcome.distanceKm, 2) + " km, limit " +
                   support::NumberText(outcome.limitKm) + " km";
        default:
            return "";
    }
}

std::string PairName(const PairOutcome& outcome) {
    std::string name = "[";
    return name.append(std::to_string(outcome.first + 1)) + "," + std::to_string(outcome.second + 1) + "]";
}

std::string PairLine(const PairOutcome& outcome) {
    const std::string details = VerdictDetails(outcome);
    return PairName(outcome) + " " + VerdictWords(outcome.verdict) + (details.empty() ? "" : ": " + details) +
           "\r\n";
}

std::string LeftOutLine(const LeftOut& left) {
    if (!left.fix) return "without " + left.station + " there is no fix\r\n";
    return "without " + left.station + " the fix moves " + support::FixedText(left.movesKm, 2) + " km\r\n";
}

}  // namespace trivex::plot
