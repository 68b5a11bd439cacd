#include "geometry/map_drawing.h"

#include <cmath>

#include "geometry/degree_trig.h"
#include "support/numeric.h"

namespace trivex {
namespace {

constexpr float kMarkerRadiusPixels = 8;

// Map units per pixel: the single-precision quotient, as the host's values are read.
double UnitsPerPixel(float units, int16_t pixels) {
    return std::fabs(units / static_cast<float>(pixels));
}

struct View {
    int16_t widthPixels;
    int16_t heightPixels;
    float widthUnits;
    float heightUnits;
    float leftEdge;
};

View ReadView(host::UivMap& map) {
    return {map.GetWidthPixels(), map.GetHeightPixels(), map.GetWidthUnits(), map.GetHeightUnits(),
            map.GetLeftEdge()};
}

// A view without pixels or without a finite, non-zero width has no scale to plan lines with.
bool HasScale(const View& view) {
    return view.widthPixels != 0 && view.heightPixels != 0 && view.widthUnits != 0 &&
           std::isfinite(view.widthUnits) && std::isfinite(view.heightUnits) && std::isfinite(view.leftEdge);
}

int16_t DiagonalPixels(const View& view) {
    const double width = view.widthPixels;
    const double height = view.heightPixels;
    return RoundHalfEvenClampedInt16(std::sqrt(height * height + width * width));
}

// Long enough to cross the whole view: its diagonal from inside it (edges included), else
// the distance to its far edge.
int16_t LinePixels(const View& view, float longitude, double sx) {
    const float right = view.leftEdge + view.widthUnits;
    if (longitude >= view.leftEdge && longitude <= right) return DiagonalPixels(view);
    const float units = longitude < view.leftEdge ? right - longitude : longitude - view.leftEdge;
    return RoundHalfEvenClampedInt16(units / sx);
}

struct Ray {
    float latitude;
    float longitude;
    int16_t pixels;
    double sx;
    double sy;
};

void DrawRay(host::UivMap& map, int16_t lineWidth, const Ray& ray, int32_t bearing, host::Colour colour) {
    const SinCos angle = SinCosOfDegrees(bearing);
    const auto x2 = static_cast<float>(ray.longitude + ray.pixels * angle.sin * ray.sx);
    const auto y2 = static_cast<float>(ray.latitude + ray.pixels * angle.cos * ray.sy);
    map.SetLineWidth(lineWidth);
    map.DrawLine(ray.longitude, ray.latitude, x2, y2, colour, 0);
}

}  // namespace

void DrawBearingLines(host::UivMap& map, int16_t lineWidth, float latitude, float longitude, int16_t bearing,
                      int16_t accuracy) {
    const View view = ReadView(map);
    if (!HasScale(view)) return;
    const double sx = UnitsPerPixel(view.widthUnits, view.widthPixels);
    const double sy = UnitsPerPixel(view.heightUnits, view.heightPixels);
    const Ray ray{latitude, longitude, LinePixels(view, longitude, sx), sx, sy};
    DrawRay(map, lineWidth, ray, bearing, kBearingColour);
    if (accuracy <= 0) return;
    DrawRay(map, lineWidth, ray, int32_t{bearing} - accuracy, kMinusAccuracyColour);
    DrawRay(map, lineWidth, ray, int32_t{bearing} + accuracy, kPlusAccuracyColour);
}

void DrawPositionMarker(host::UivMap& map, int16_t lineWidth, float x, float y) {
    const float widthUnits = map.GetWidthUnits();
    const int16_t widthPixels = map.GetWidthPixels();
    if (widthPixels == 0 || !std::isfinite(widthUnits)) return;
    const auto radius = static_cast<float>(UnitsPerPixel(widthUnits, widthPixels) * kMarkerRadiusPixels);
    map.SetLineWidth(lineWidth);
    map.SetMarkerStyle(kMarkerStyle);
    map.SetMarkerColour(kMarkerColour);
    map.DrawCircle(x, y, radius, 0, 0.0, kCircleEndAngle, 1.0f);
}

}  // namespace trivex
