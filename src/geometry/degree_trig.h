// Sine and cosine of whole-degree angles, converted with the program's own value of pi.
#pragma once

#include <cstdint>

namespace trivex::geometry {

inline constexpr double kPi = 3.14159265358979;

// (degrees × kPi) / 180, the multiplication first.
[[nodiscard]] double Radians(int32_t degrees);

struct SinCos {
    double sin = 0.0;
    double cos = 1.0;
};

// Sine and cosine of Radians(degrees), correctly rounded, for |degrees| < 2^26. The C
// libraries disagree in the last bit for some of these angles (Windows' x87-based ones
// most, near multiples of 90 degrees), and the drawn lines and the crossings must not.
[[nodiscard]] SinCos SinCosOfDegrees(int32_t degrees);

}  // namespace trivex::geometry
