// The host's map as one plot uses it: the view is read from the host at its first use and
// kept for the rest of the plot (handlers are queued, so nothing the program does can change
// it meanwhile); the drawing goes to the host.
#pragma once

#include <cstdint>
#include <optional>

#include "geometry/best_estimate.h"
#include "geometry/map_view.h"
#include "host/host.h"

namespace trivex::plot {

// The colour of the best estimate's drawing, 0x00BBGGRR: magenta, which no other drawing uses.
inline constexpr host::Colour kEstimateColour = 0xFF00FF;

class PlotMap {
  public:
    PlotMap(host::UivMap& map, int16_t lineWidth) : map_(map), lineWidth_(lineWidth) {}

    [[nodiscard]] const geometry::MapView& View();

    // The station's bearing line and, for an accuracy above 0, the lines at bearing minus
    // and plus the accuracy: black, red, green. Nothing on a view without a usable scale.
    void DrawBearingLines(geometry::MapPoint station, int16_t bearing, int16_t accuracy);
    // A cyan circle of eight pixels' radius around the point.
    void DrawPositionMarker(geometry::MapPoint point);
    // The estimate's 95% ellipse as a closed line and a cross of eight pixels' arms at the
    // estimate, magenta, the line width set once. Nothing on a view without a usable scale.
    void DrawEstimate(const geometry::BestEstimate& estimate);

  private:
    host::UivMap& map_;
    int16_t lineWidth_;
    std::optional<geometry::MapView> view_;
};

}  // namespace trivex::plot
