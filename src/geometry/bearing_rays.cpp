#include "geometry/bearing_rays.h"

#include <cmath>

#include "geometry/degree_trig.h"
#include "support/numeric.h"

namespace trivex::geometry {
namespace {

constexpr float kMarkerRadiusPixels = 8;

double UnitsPerPixel(float units, int16_t pixels) {
    return std::fabs(units / static_cast<float>(pixels));
}

bool HasScale(const MapView& view) {
    return view.widthPixels != 0 && view.heightPixels != 0 && view.widthUnits != 0 &&
           std::isfinite(view.widthUnits) && std::isfinite(view.heightUnits) && std::isfinite(view.leftEdge);
}

int16_t DiagonalPixels(const MapView& view) {
    const double width = view.widthPixels;
    const double height = view.heightPixels;
    return support::RoundHalfEvenClampedInt16(std::sqrt(height * height + width * width));
}

int16_t RayPixels(const MapView& view, float longitude, double sx) {
    const float right = view.leftEdge + view.widthUnits;
    if (longitude >= view.leftEdge && longitude <= right) return DiagonalPixels(view);
    const float units = longitude < view.leftEdge ? right - longitude : longitude - view.leftEdge;
    return support::RoundHalfEvenClampedInt16(units / sx);
}

}  // namespace

std::optional<RayPlan> PlanRays(const MapView& view, MapPoint station) {
    if (!HasScale(view)) return std::nullopt;
    const double sx = UnitsPerPixel(view.widthUnits, view.widthPixels);
    const double sy = UnitsPerPixel(view.heightUnits, view.heightPixels);
    return RayPlan{station, RayPixels(view, station.x, sx), sx, sy};
}

MapPoint RayEnd(const RayPlan& plan, int32_t bearing) {
    const SinCos angle = SinCosOfDegrees(bearing);
    return {static_cast<float>(plan.start.x + plan.pixels * angle.sin * plan.sx),
            static_cast<float>(plan.start.y + plan.pixels * angle.cos * plan.sy)};
}

std::optional<float> MarkerRadius(const MapView& view) {
    if (view.widthPixels == 0 || !std::isfinite(view.widthUnits)) return std::nullopt;
    return static_cast<float>(UnitsPerPixel(view.widthUnits, view.widthPixels) * kMarkerRadiusPixels);
}

}  // namespace trivex::geometry
