// The Plot command as the window runs it, and how a plot's results reach the window's boxes.
#include "ui/main_window.h"

namespace trivex::ui {
namespace {

constexpr int kIntersectBoxes = 5;

}  // namespace

void MainWindow::Plot() {
    if (hostClosing_) return;  // the shut-down is queued: the host waits for it
    ++plotsStarted_;
    ConnectIfNeeded();
    CallSigns callSigns;
    for (int row = 0; row < kStationCount; ++row) callSigns[row] = view_.Text(CallSignBox(row));
    plot_.Plot(callSigns, {host_, *mUIV_, *mUivMap_},
               {settings_.plotLineThickness, settings_.ignoreDistance, settings_.logPairResults,
                settings_.showBestEstimate},
               *this);
}

void MainWindow::ShowBearing(int row, const std::string& text) {
    view_.SetText(BearingBox(row), text);
}

void MainWindow::ShowIntersections(const std::vector<std::string>& texts) {
    for (int box = 0; box < kIntersectBoxes; ++box)
        view_.SetText(IntersectBox(box), box < static_cast<int>(texts.size()) ? texts[box] : "N/A");
}

void MainWindow::ShowSolution(const std::string& countText, const std::string& solutionText) {
    view_.SetText(ControlId::IntersectionCount, countText);
    view_.SetText(ControlId::Solution, solutionText);
}

void MainWindow::ShowFixObject(const std::string& text) {
    view_.SetText(ControlId::ObjectLabel, text);
}

}  // namespace trivex::ui
