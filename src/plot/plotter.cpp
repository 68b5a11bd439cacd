#include "plot/plotter.h"

#include <vector>

#include "geometry/position_text.h"
#include "plot/estimate_log.h"
#include "plot/fix_object.h"
#include "plot/intersection.h"
#include "plot/plot_estimate.h"
#include "plot/plot_map.h"

namespace trivex::plot {
namespace {

constexpr int kShownIntersections = 5;

std::string Contributors(const StationTable& stations) {
    std::string list;
    for (const StationEntry& entry : stations) {
        if (entry.FixCount <= 0) continue;
        if (!list.empty()) list += ",";
        list += entry.Callsign;
    }
    return list;
}

// "[2,4]  " and the position, with the stations numbered from 1.
std::string IntersectionText(const PairOutcome& pair) {
    std::string text = "[";
    text += std::to_string(pair.first + 1);
    text += ',';
    text += std::to_string(pair.second + 1);
    text += "]  ";
    text += geometry::FormatPosition(pair.crossing->y, pair.crossing->x);
    return text;
}

std::string ReviewLog(const PlotReview& review) {
    std::string lines;
    for (const PairOutcome& pair : review.pairs) lines += PairLine(pair);
    for (const LeftOut& left : review.leaveOneOut) lines += LeftOutLine(left);
    return lines;
}

std::string IntersectionCountText(int count) {
    if (count <= kShownIntersections) return std::to_string(count) + " intersections";
    return "first 5 of " + std::to_string(count) + " intersections";
}

// Every entry of the call-sign takes what its report found: two rows of one station agree.
void Record(StationTable& stations, const std::string& callsign, const StationReading& reading) {
    for (StationEntry& entry : stations) {
        if (entry.Callsign != callsign) continue;
        entry.LatMinutes = reading.position.y;
        entry.LonMinutes = reading.position.x;
        entry.Bearing = reading.bearing;
    }
}

}  // namespace

std::optional<StationReading> Plotter::ReportRow(int row, const HostLink& link, PlotMap& map,
                                                 PlotDisplay& display) {
    const std::string callsign = stations_[row].Callsign;
    auto reading = GetStationReport(callsign, row, link.host, link.app, map, display);
    if (reading) Record(stations_, callsign, *reading);
    return reading;
}

void Plotter::ReportRows(const HostLink& link, int16_t lineWidth, PlotDisplay& display) {
    PlotMap map(link.map, lineWidth);
    for (int row = 0; row < kStationCount; ++row) ReportRow(row, link, map, display);
}

void Plotter::Plot(const CallSigns& callSigns, const HostLink& link, const PlotSettings& settings,
                   PlotDisplay& display) {
    PlotMap map(link.map, settings.lineWidth);
    std::vector<geometry::BearingReading> readings;
    readings.reserve(kStationCount);
    for (int row = 0; row < kStationCount; ++row) {
        stations_[row].Callsign = callSigns[row];
        ResetForPlot(stations_[row]);
        if (auto reading = ReportRow(row, link, map, display))
            KeepReading(readings, stations_, row, *reading);
    }

    IntersectPairs(map, link.app, settings.ignoreDistanceMetres);
    review_.readings = std::move(readings);
    if (settings.logPairResults) display.AppendLog(ReviewLog(review_));
    std::optional<geometry::BestEstimate> estimate;
    if (settings.showBestEstimate) {
        estimate = EstimateOf(review_);
        display.AppendLog(EstimateLines(estimate, stations_));
    }
    ShowFix(map, link.host, display);
    if (estimate) map.DrawEstimate(*estimate);
}

// The accepted crossings listed, and the fix placed, marked and shown.
void Plotter::ShowFix(PlotMap& map, host::Host& host, PlotDisplay& display) {
    std::vector<std::string> texts;
    for (const PairOutcome& pair : review_.pairs)
        if (pair.verdict == PairVerdict::Accepted) texts.push_back(IntersectionText(pair));
    display.ShowIntersections(texts);
    if (!review_.fix) {
        display.ShowSolution("No intersections", "No solution");
        return;
    }
    const int count = static_cast<int>(texts.size());
    const geometry::MapPoint solution = *review_.fix;
    // Shown first: a failing fix object step leaves the new solution beside the new intersections.
    display.ShowSolution(IntersectionCountText(count), geometry::FormatPosition(solution.y, solution.x));
    PlaceFix(solution, host, display);
    map.DrawPositionMarker(solution);
}

// Every pair in plot order: each accepted crossing is marked at once and counts for both rows.
void Plotter::IntersectPairs(PlotMap& map, host::UivApplication& app, double ignoreDistanceMetres) {
    PlotReview review;
    for (int16_t i = 0; i < kStationCount - 1; ++i) {
        for (int16_t j = static_cast<int16_t>(i + 1); j < kStationCount; ++j) {
            const Intersection found = IntersectPair(stations_, i, j, map, app, ignoreDistanceMetres);
            review.pairs.push_back(found.outcome);
            if (!found.accepted) continue;
            map.DrawPositionMarker({found.x, found.y});
            ++stations_[i].FixCount;
            ++stations_[j].FixCount;
        }
    }
    review.stations = stations_;
    review.fix = MeanOfAccepted(review.pairs);
    review.leaveOneOut = LeaveEachOut(review.pairs, stations_);
    review_ = std::move(review);
    ++reviewCount_;
}

void Plotter::PlaceFix(geometry::MapPoint solution, host::Host& host, PlotDisplay& display) {
    if (lastSolution_ && lastSolution_->x == solution.x && lastSolution_->y == solution.y) {
        display.ShowFixObject("Object " + fixObjectName_ + " at same location.");
        return;
    }
    FixPlacement placement;
    try {
        placement = PlaceFixObject(host, solution.y / 60.0f, solution.x / 60.0f,
                                   "TRIVEX:" + Contributors(stations_), fixObjectName_, display);
    } catch (const host::HostError&) {
        // The old object was asked to go first: the label must not claim one on the map.
        display.ShowFixObject("Object removed, not placed.");
        throw;
    }
    if (placement == FixPlacement::NoFreeName) {
        display.ShowFixObject("Object not placed: no free name.");
        return;
    }
    display.ShowFixObject("Object " + fixObjectName_ + " at new location.");
    lastSolution_ = solution;
}

}  // namespace trivex::plot
