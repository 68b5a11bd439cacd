#include "geometry/position_text.h"

#include <charconv>
#include <cmath>

namespace trivex {
namespace {

// Fixed-point text of the value's exact binary value, correctly rounded. Never uses the
// locale, so the decimal separator is always ".".
std::string Fixed(double value, int decimals) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string ZeroPadded(std::string text, size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

}  // namespace

std::string FormatCoordinate(float minutes, bool isLongitude) {
    const bool positive = minutes >= 0;
    const char hemisphere = isLongitude ? (positive ? 'E' : 'W') : (positive ? 'N' : 'S');
    const float magnitude = std::fabs(minutes);
    // Truncated, so the remaining minutes are never negative; the subtraction is exact.
    double degrees = std::floor(static_cast<double>(magnitude) / 60);
    std::string remaining = Fixed(static_cast<float>(magnitude - 60 * degrees), 2);
    if (remaining == "60.00") {  // 59.995 minutes and more round up to the next degree
        degrees += 1;
        remaining = "0.00";
    }
    return ZeroPadded(Fixed(degrees, 0), isLongitude ? 3 : 2) + "." + ZeroPadded(remaining, 5) + hemisphere;
}

std::string FormatPosition(float latMinutes, float lonMinutes) {
    return FormatCoordinate(latMinutes, false) + ", " + FormatCoordinate(lonMinutes, true);
}

}  // namespace trivex
