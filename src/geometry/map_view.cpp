#include "geometry/map_view.h"

#include <cmath>

namespace trivex::geometry {

std::optional<double> Aspect(const MapView& view) {
    if (view.widthPixels == 0 || view.heightPixels == 0 || view.widthUnits == 0 ||
        !std::isfinite(view.widthUnits) || !std::isfinite(view.heightUnits))
        return std::nullopt;
    const double sx = std::fabs(static_cast<double>(view.widthUnits) / view.widthPixels);
    const double sy = std::fabs(static_cast<double>(view.heightUnits) / view.heightPixels);
    return sy / sx;
}

}  // namespace trivex::geometry
