// Text form of positions: degrees "." minutes with two decimals and a hemisphere letter.
#pragma once

#include <string>

namespace trivex::geometry {

// 3123.5 as a latitude gives "52.03.50N"; -7380.4 as a longitude gives "123.00.40W".
[[nodiscard]] std::string FormatCoordinate(float minutes, bool isLongitude);

// Latitude text, ", ", longitude text.
[[nodiscard]] std::string FormatPosition(float latMinutes, float lonMinutes);

}  // namespace trivex::geometry
