#include "geometry/position_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace trivex::geometry {
namespace {

// Fixed-point text of the value's exact binary value, correctly rounded. Never uses the
// locale, so the decimal separator is always ".".
std::string Fixed(double value, int decimals) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

// The whole number of degrees in decimal.
std::string DegreesText(double degrees) {
    if (degrees >= 1e9) return Fixed(degrees, 0);
    char buffer[10];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<uint32_t>(degrees));
    return std::string(buffer, result.ptr);
}

// The hundredths in a value from 0 to 60: its exact binary value rounded to the nearest
// hundredth, an exact half to the even one, as Fixed(value, 2) rounds it but without its cost.
uint32_t Hundredths(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const uint32_t biasedExponent = bits >> 23 & 0xFF;
    uint64_t mantissa = bits & 0x7FFFFF;
    int shift = 149;  // value = mantissa / 2^shift
    if (biasedExponent != 0) {
        mantissa |= 0x800000;
        shift = 150 - static_cast<int>(biasedExponent);
    }
    if (shift >= 60) return 0;  // below 2^-36
    const uint64_t scaled = mantissa * 100;
    const uint64_t whole = scaled >> shift;
    const uint64_t rest = scaled & ((uint64_t{1} << shift) - 1);
    const uint64_t half = uint64_t{1} << (shift - 1);
    return static_cast<uint32_t>(whole + (rest > half || (rest == half && (whole & 1)) ? 1 : 0));
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
    uint32_t hundredths = Hundredths(static_cast<float>(magnitude - 60 * degrees));
    if (hundredths == 6000) {  // 59.995 minutes and more round up to the next degree
        degrees += 1;
        hundredths = 0;
    }
    std::string text = ZeroPadded(DegreesText(degrees), isLongitude ? 3 : 2);
    const char rest[] = {'.',
                         static_cast<char>('0' + hundredths / 1000),
                         static_cast<char>('0' + hundredths / 100 % 10),
                         '.',
                         static_cast<char>('0' + hundredths / 10 % 10),
                         static_cast<char>('0' + hundredths % 10),
                         hemisphere};
    return text.append(rest, sizeof rest);
}

std::string FormatPosition(float latMinutes, float lonMinutes) {
    return FormatCoordinate(latMinutes, false) + ", " + FormatCoordinate(lonMinutes, true);
}

}  // namespace trivex::geometry
