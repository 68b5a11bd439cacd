// The Plot command and what it keeps between runs: report the five rows, intersect every
// pair, list and mark the intersections, average them into the solution and move the fix
// object there. The window asks for a plot and shows what it is given through PlotDisplay.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "geometry/map_view.h"
#include "host/host.h"
#include "plot/pair_review.h"
#include "plot/plot_display.h"
#include "plot/plot_map.h"
#include "plot/station_report.h"
#include "plot/stations.h"

namespace trivex::plot {

// The host objects a plot works with: the host creates the objects that live for one call;
// the application and map objects are the main window's.
struct HostLink {
    host::Host& host;
    host::UivApplication& app;
    host::UivMap& map;
};

struct PlotSettings {
    int16_t lineWidth = 1;
    double ignoreDistanceMetres = 1000.0;
    bool logPairResults = false;    // a line per pair and per contributing station after the reports
    bool showBestEstimate = false;  // its lines after those, its ellipse and cross on the map at the end
};

using CallSigns = std::array<std::string, kStationCount>;

class Plotter {
  public:
    [[nodiscard]] StationTable& Stations() { return stations_; }
    [[nodiscard]] const StationTable& Stations() const { return stations_; }
    [[nodiscard]] const std::string& FixObjectName() const { return fixObjectName_; }
    // The review of the last plot that came as far as its pairs, and how many did.
    [[nodiscard]] const PlotReview& LastReview() const { return review_; }
    [[nodiscard]] unsigned ReviewCount() const { return reviewCount_; }

    // Reports the five rows with the call-signs the table holds, as start-up does: an entry
    // whose report finds nothing keeps what it had.
    void ReportRows(const HostLink& link, int16_t lineWidth, PlotDisplay& display);

    // A host connected afresh may have lost the fix object with its server: the next plot
    // places it again, even at the same solution.
    void ForgetPlacedSolution() { lastSolution_.reset(); }

    // One run of the Plot command on the rows' call-signs.
    void Plot(const CallSigns& callSigns, const HostLink& link, const PlotSettings& settings,
              PlotDisplay& display);

  private:
    std::optional<StationReading> ReportRow(int row, const HostLink& link, PlotMap& map,
                                            PlotDisplay& display);
    void IntersectPairs(PlotMap& map, host::UivApplication& app, double ignoreDistanceMetres);
    void ShowFix(PlotMap& map, host::Host& host, PlotDisplay& display);
    void PlaceFix(geometry::MapPoint solution, host::Host& host, PlotDisplay& display);

    StationTable stations_{};
    std::optional<geometry::MapPoint> lastSolution_;
    std::string fixObjectName_;
    PlotReview review_;
    unsigned reviewCount_ = 0;
};

}  // namespace trivex::plot
