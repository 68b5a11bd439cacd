// Bearing lines and position markers on the host's map, planned in screen pixels and
// converted with the view's current scale so that angles hold on the screen.
#pragma once

#include <cstdint>

#include "host/host.h"

namespace trivex {

inline constexpr host::Colour kBearingColour = 0x000000;
inline constexpr host::Colour kMinusAccuracyColour = 0x0000FF;
inline constexpr host::Colour kPlusAccuracyColour = 0x00FF00;
inline constexpr host::Colour kMarkerColour = 0xFFFF00;
inline constexpr int16_t kMarkerStyle = 2;
inline constexpr double kCircleEndAngle = static_cast<double>(6.283186f);

// Draws the station's bearing line and, for an accuracy above 0, the lines at bearing
// minus and plus the accuracy. Latitude and longitude in minutes, angles in degrees.
void DrawBearingLines(host::UivMap& map, int16_t lineWidth, float latitude, float longitude, int16_t bearing,
                      int16_t accuracy);

// Draws a circle of eight pixels' radius around (x = longitude, y = latitude).
void DrawPositionMarker(host::UivMap& map, int16_t lineWidth, float x, float y);

}  // namespace trivex
