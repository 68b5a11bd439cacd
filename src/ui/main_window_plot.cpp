// The Plot command as the window runs it, how a plot's results reach the window's boxes, and
// the host's events that plot.
#include "support/numeric.h"
#include "ui/main_window.h"

namespace trivex::ui {
namespace {

constexpr int kIntersectBoxes = 5;

}  // namespace

void MainWindow::Plot() {
    if (connection_.HostClosing()) return;  // the shut-down is queued: the host waits for it
    ++plotsStarted_;
    if (connection_.NeedsConnecting()) Connect();
    plot::CallSigns callSigns;
    for (int row = 0; row < plot::kStationCount; ++row) callSigns[row] = view_.Text(CallSignBox(row));
    const Settings& settings = commands_.Current();
    plot_.Plot(callSigns, connection_.Link(),
               {settings.plotLineThickness, settings.ignoreDistance, settings.logPairResults,
                settings.showBestEstimate},
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

void MainWindow::EventSink::NotifyBeacon(const std::string& callsign, float latitude, float longitude) {
    window_.handlers_.QueueHostEvent(
        [this, callsign, latitude, longitude] { window_.OnBeacon(callsign, latitude, longitude); });
}

// From now on the host waits for the program to let go of its objects.
void MainWindow::EventSink::UIView32IsClosing() {
    window_.connection_.MarkClosing();
    window_.handlers_.QueueHostEvent([this] { window_.Unload(); });
}

void MainWindow::EventSink::QueueMapEvent(const char* logText) {
    const bool echo = window_.eventPlotRunning_;
    const unsigned plotsBefore = window_.plotsStarted_;
    window_.handlers_.QueueHostEvent([this, logText, echo, plotsBefore] {
        // One replot serves every map event that arrived before it started.
        window_.OnMapEvent(logText, echo || window_.plotsStarted_ != plotsBefore);
    });
}

void MainWindow::PlotForEvent() {
    eventPlotRunning_ = true;
    try {
        Plot();
    } catch (...) {
        eventPlotRunning_ = false;
        throw;
    }
    eventPlotRunning_ = false;
}

void MainWindow::OnMapEvent(const char* logText, bool echo) {
    if (commands_.Current().replotAfterMapIsRedrawn && !echo) PlotForEvent();
    AppendLog(logText);
}

void MainWindow::OnBeacon(const std::string& callsign, float latitude, float longitude) {
    const char separator = platform_.DecimalSeparator();
    AppendLog("NotifyBeacon(" + callsign + ", " + support::GeneralNumberText(latitude, separator) + ", " +
              support::GeneralNumberText(longitude, separator) + ")\r\n");
    for (int row = 0; row < plot::kStationCount; ++row)
        if (view_.Text(CallSignBox(row)) == callsign) PlotForEvent();
}

}  // namespace trivex::ui
