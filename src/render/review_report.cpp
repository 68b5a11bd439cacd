#include "review_report.h"

#include <algorithm>

#include "geometry/ellipse_outline.h"
#include "geometry/great_circle.h"
#include "plot/estimate_log.h"
#include "plot/plot_estimate.h"
#include "support/numeric.h"

namespace trivex::render {

using json::Json;

namespace {

constexpr size_t kVerdictColumn = 31;

Json PointJson(const std::optional<geometry::MapPoint>& point) {
    if (!point) return nullptr;
    return Json::Object{{"latitude", point->y}, {"longitude", point->x}};
}

Json PairJson(const plot::PairOutcome& pair) {
    Json::Object json{{"pair", Json::Array{pair.first + 1, pair.second + 1}},
                      {"outcome", plot::VerdictName(pair.verdict)}};
    if (pair.stationRow >= 0) {
        json.emplace_back("station", pair.station);
        json.emplace_back("row", pair.stationRow + 1);
    }
    switch (pair.verdict) {
        case plot::PairVerdict::OutOfRange:
            json.emplace_back("stationBearing", pair.stationBearing);
            break;
        case plot::PairVerdict::Behind:
            json.emplace_back("bearingToCrossing", pair.bearingToCrossing);
            json.emplace_back("stationBearing", pair.stationBearing);
            break;
        case plot::PairVerdict::TooFar:
            json.emplace_back("distanceKm", pair.distanceKm);
            json.emplace_back("limitKm", pair.limitKm);
            break;
        default:
            break;
    }
    if (pair.crossing) json.emplace_back("crossing", PointJson(pair.crossing));
    return json;
}

Json LeftOutJson(const plot::LeftOut& left) {
    return Json::Object{{"station", left.station},
                        {"row", left.row + 1},
                        {"fix", PointJson(left.fix)},
                        {"movesKm", left.fix ? Json(left.movesKm) : Json()}};
}

// Where the estimate lies, as the fix: minutes.
Json EstimateJson(const std::optional<geometry::BestEstimate>& estimate, const plot::StationTable& stations) {
    if (!estimate) return nullptr;
    Json::Array leftOut;
    for (const geometry::LeftOutBearing& left : estimate->leftOut)
        leftOut.emplace_back(Json::Object{
            {"station", stations.at(left.row).Callsign}, {"row", left.row + 1}, {"sigmas", left.sigmas}});
    const geometry::MapPoint at = geometry::InMapUnits(estimate->position);
    return Json::Object{{"latitude", at.y},
                        {"longitude", at.x},
                        {"semiMajorKm", estimate->semiMajorKm},
                        {"semiMinorKm", estimate->semiMinorKm},
                        {"axisBearing", estimate->axisBearingDeg},
                        {"confidence", 0.95},
                        {"stations", estimate->stationsUsed},
                        {"leftOut", std::move(leftOut)}};
}

Json MissJson(geometry::MapPoint transmitter, const std::optional<geometry::MapPoint>& found) {
    if (!found) return nullptr;
    const Miss m = MissOf(transmitter, *found);
    return Json::Object{{"distanceKm", m.distanceKm}, {"bearing", m.bearingDegrees}};
}

std::optional<geometry::MapPoint> PositionOf(const std::optional<geometry::BestEstimate>& estimate) {
    if (!estimate) return std::nullopt;
    return geometry::InMapUnits(estimate->position);
}

// "Miss: the fix lies 0.22 km from the transmitter, bearing 249.0 deg from it".
void WriteMiss(std::ostream& out, const std::string& what, geometry::MapPoint transmitter,
               const std::optional<geometry::MapPoint>& found) {
    if (!found) {
        out << "Miss: no " << what << " to score\n";
        return;
    }
    const Miss miss = MissOf(transmitter, *found);
    out << "Miss: the " << what << " lies " << support::FixedText(miss.distanceKm, 2)
        << " km from the transmitter, bearing " << support::FixedText(miss.bearingDegrees, 1)
        << " deg from it\n";
}

// The log's lines on the estimate, with plain line breaks.
std::string EstimateText(const std::optional<geometry::BestEstimate>& estimate,
                         const plot::StationTable& stations) {
    std::string text = plot::EstimateLines(estimate, stations);
    std::erase(text, '\r');
    return text;
}

// The station whose removal moves the fix most, of those whose removal leaves a fix.
const plot::LeftOut* MostPulling(const std::vector<plot::LeftOut>& leaveOneOut) {
    const plot::LeftOut* most = nullptr;
    for (const plot::LeftOut& left : leaveOneOut)
        if (left.fix && (!most || left.movesKm > most->movesKm)) most = &left;
    return most;
}

}  // namespace

Miss MissOf(geometry::MapPoint transmitter, geometry::MapPoint fix) {
    const geometry::GreatCircleLeg leg =
        geometry::GreatCircle(transmitter.y / 60.0, transmitter.x / 60.0, fix.y / 60.0, fix.x / 60.0);
    return {leg.distanceKm, leg.bearingDegrees};
}

void AddReview(Json::Object& step, const plot::PlotReview& review,
               const std::optional<geometry::MapPoint>& transmitter) {
    Json::Array pairs;
    for (const plot::PairOutcome& pair : review.pairs) pairs.push_back(PairJson(pair));
    Json::Array leaveOneOut;
    for (const plot::LeftOut& left : review.leaveOneOut) leaveOneOut.push_back(LeftOutJson(left));
    const std::optional<geometry::BestEstimate> estimate = plot::EstimateOf(review);
    step.emplace_back("pairs", std::move(pairs));
    step.emplace_back("leaveOneOut", std::move(leaveOneOut));
    step.emplace_back("estimate", EstimateJson(estimate, review.stations));
    if (!transmitter) return;
    step.emplace_back("miss", MissJson(*transmitter, review.fix));
    step.emplace_back("estimateMiss", MissJson(*transmitter, PositionOf(estimate)));
}

void WriteReview(std::ostream& out, const plot::PlotReview& review,
                 const std::optional<geometry::MapPoint>& transmitter) {
    out << "\nPairs of the last plot:\n";
    for (const plot::PairOutcome& pair : review.pairs) {
        std::string verdict = plot::VerdictWords(pair.verdict);
        verdict.resize(std::max(verdict.size(), kVerdictColumn), ' ');
        out << "  " << plot::PairName(pair) << "  " << verdict << plot::VerdictDetails(pair) << "\n";
    }
    if (const plot::LeftOut* most = MostPulling(review.leaveOneOut))
        out << "Pulls the fix most: " << most->station << " (without it the fix moves "
            << support::FixedText(most->movesKm, 2) << " km)\n";
    else if (!review.leaveOneOut.empty())
        out << "Pulls the fix most: none (without any one station there is no fix)\n";
    const std::optional<geometry::BestEstimate> estimate = plot::EstimateOf(review);
    out << EstimateText(estimate, review.stations);
    if (!transmitter) return;
    WriteMiss(out, "fix", *transmitter, review.fix);
    WriteMiss(out, "best estimate", *transmitter, PositionOf(estimate));
}

}  // namespace trivex::render
