// The host's map view as one plot sees it, and the scales derived from it. Positions on the
// map are map units: x = longitude, y = latitude, in minutes of arc.
#pragma once

#include <cstdint>
#include <optional>

namespace trivex::geometry {

struct MapView {
    int16_t widthPixels = 0;
    int16_t heightPixels = 0;
    float widthUnits = 0.0f;   // minutes of longitude across the view
    float heightUnits = 0.0f;  // minutes of latitude; its sign follows the host's vertical axis
    float leftEdge = 0.0f;     // westernmost longitude shown
};

struct MapPoint {
    float x = 0.0f;  // longitude, minutes
    float y = 0.0f;  // latitude, minutes
};

// Minutes of latitude per minute of longitude along the same screen distance, in double
// precision throughout. Empty for a view without pixels or without a finite, non-zero extent.
[[nodiscard]] std::optional<double> Aspect(const MapView& view);

}  // namespace trivex::geometry
