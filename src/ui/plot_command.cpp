// The Plot command: report the five rows, intersect every pair, list and mark the
// intersections, average them into the solution and move the fix object there.
#include "geometry/intersection.h"
#include "geometry/map_drawing.h"
#include "geometry/position_text.h"
#include "host/fix_object.h"
#include "host/station_report.h"
#include "ui/main_window.h"

namespace trivex::ui {

namespace {

constexpr size_t kShownIntersections = 5;

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
std::string IntersectionText(int i, int j, const Intersection& found) {
    std::string text = "[";
    text += std::to_string(i + 1);
    text += ',';
    text += std::to_string(j + 1);
    text += "]  ";
    text += FormatPosition(found.y, found.x);
    return text;
}

std::string IntersectionCountText(int count) {
    if (count <= static_cast<int>(kShownIntersections)) return std::to_string(count) + " intersections";
    return "first 5 of " + std::to_string(count) + " intersections";
}

}  // namespace

void MainWindow::ReportStation(int row) {
    ReportContext context{
        host_,
        *mUIV_,
        *mUivMap_,
        settings_.PlotLineThickness,
        stations_,
        [this, row](const std::string& text) { view_.SetText(BearingBox(row), text); },
        [this](const std::string& text) { AppendLog(text); },
    };
    GetStationReport(view_.Text(CallSignBox(row)), context);
}

void MainWindow::Plot() {
    ++plotsStarted_;
    ConnectIfNeeded();
    for (int row = 0; row < kStationCount; ++row) {
        stations_[row].Callsign = view_.Text(CallSignBox(row));
        ResetForPlot(stations_[row]);
        ReportStation(row);
    }

    std::vector<std::string> texts;
    double sumX = 0.0;
    double sumY = 0.0;
    for (int16_t i = 0; i < kStationCount - 1; ++i) {
        for (int16_t j = static_cast<int16_t>(i + 1); j < kStationCount; ++j) {
            const Intersection found =
                ChkIntersection(stations_, i, j, *mUivMap_, *mUIV_, settings_.IgnoreDistance);
            if (!found.accepted) continue;
            sumX += found.x;
            sumY += found.y;
            DrawPositionMarker(*mUivMap_, settings_.PlotLineThickness, found.x, found.y);
            texts.push_back(IntersectionText(i, j, found));
            ++stations_[i].FixCount;
            ++stations_[j].FixCount;
        }
    }
    ShowIntersections(texts);

    const int count = static_cast<int>(texts.size());
    if (count == 0) {
        view_.SetText(ControlId::Label3, "No intersections");
        view_.SetText(ControlId::Solution, "No solution");
        return;
    }
    const auto x = static_cast<float>(sumX / count);
    const auto y = static_cast<float>(sumY / count);
    PlaceFix(x, y);
    DrawPositionMarker(*mUivMap_, settings_.PlotLineThickness, x, y);
    view_.SetText(ControlId::Label3, IntersectionCountText(count));
    view_.SetText(ControlId::Solution, FormatPosition(y, x));
}

void MainWindow::ShowIntersections(const std::vector<std::string>& texts) {
    // Boxes beyond the number found go back to "N/A": none may show an earlier plot's result.
    for (size_t row = 0; row < kShownIntersections; ++row)
        view_.SetText(IntersectBox(static_cast<int>(row)), row < texts.size() ? texts[row] : "N/A");
}

void MainWindow::PlaceFix(float x, float y) {
    if (lastSolution_ && lastSolution_->x == x && lastSolution_->y == y) {
        view_.SetText(ControlId::ObjectLabel, "Object " + fixObjectName_ + " at same location.");
        return;
    }
    const FixPlacement placement =
        PlaceFixObject(host_, y / 60.0f, x / 60.0f, "TRIVEX:" + Contributors(stations_), fixObjectName_,
                       [this](const std::string& text) { AppendLog(text); });
    if (placement == FixPlacement::NoFreeName) {
        view_.SetText(ControlId::ObjectLabel, "Object not placed: no free name.");
        return;
    }
    view_.SetText(ControlId::ObjectLabel, "Object " + fixObjectName_ + " at new location.");
    lastSolution_ = Solution{x, y};
}

}  // namespace trivex::ui
