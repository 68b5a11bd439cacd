#include "plot/plot_map.h"

#include "geometry/bearing_rays.h"
#include "geometry/ellipse_outline.h"

namespace trivex::plot {
namespace {

constexpr host::Colour kBearingColour = 0x000000;
constexpr host::Colour kMinusAccuracyColour = 0x0000FF;
constexpr host::Colour kPlusAccuracyColour = 0x00FF00;
constexpr host::Colour kMarkerColour = 0xFFFF00;
constexpr int16_t kMarkerStyle = 2;
constexpr int16_t kCrossArmPixels = 8;
constexpr double kCircleEndAngle = static_cast<double>(6.283186f);  // one turn, as a single

}  // namespace

const geometry::MapView& PlotMap::View() {
    if (!view_)
        view_ = geometry::MapView{map_.GetWidthPixels(), map_.GetHeightPixels(), map_.GetWidthUnits(),
                                  map_.GetHeightUnits(), map_.GetLeftEdge()};
    return *view_;
}

void PlotMap::DrawBearingLines(geometry::MapPoint station, int16_t bearing, int16_t accuracy) {
    const std::optional<geometry::RayPlan> plan = geometry::PlanRays(View(), station);
    if (!plan) return;
    const auto draw = [&](int32_t angle, host::Colour colour) {
        const geometry::MapPoint end = geometry::RayEnd(*plan, angle);
        map_.SetLineWidth(lineWidth_);
        map_.DrawLine(station.x, station.y, end.x, end.y, colour, 0);
    };
    draw(bearing, kBearingColour);
    if (accuracy <= 0) return;
    draw(int32_t{bearing} - accuracy, kMinusAccuracyColour);
    draw(int32_t{bearing} + accuracy, kPlusAccuracyColour);
}

void PlotMap::DrawPositionMarker(geometry::MapPoint point) {
    const std::optional<float> radius = geometry::MarkerRadius(View());
    if (!radius) return;
    map_.SetLineWidth(lineWidth_);
    map_.SetMarkerStyle(kMarkerStyle);
    map_.SetMarkerColour(kMarkerColour);
    map_.DrawCircle(point.x, point.y, *radius, 0, 0.0, kCircleEndAngle, 1.0f);
}

void PlotMap::DrawEstimate(const geometry::BestEstimate& estimate) {
    std::optional<geometry::RayPlan> cross =
        geometry::PlanRays(View(), geometry::InMapUnits(estimate.position));
    if (!cross) return;
    cross->pixels = kCrossArmPixels;
    const auto draw = [this](geometry::MapPoint from, geometry::MapPoint to) {
        map_.DrawLine(from.x, from.y, to.x, to.y, kEstimateColour, 0);
    };
    map_.SetLineWidth(lineWidth_);
    const std::vector<geometry::GeoPoint> outline = geometry::EllipseOutline(estimate);
    for (size_t i = 0; i < outline.size(); ++i)
        draw(geometry::InMapUnits(outline[i]), geometry::InMapUnits(outline[(i + 1) % outline.size()]));
    draw(geometry::RayEnd(*cross, 225), geometry::RayEnd(*cross, 45));
    draw(geometry::RayEnd(*cross, 315), geometry::RayEnd(*cross, 135));
}

}  // namespace trivex::plot
