// Number conversions whose exact behaviour the program relies on: rounding halves to even
// into 16 bits, the numeric prefix of a text, and number texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trivex::support {

// Nearest whole number, a half going to the even neighbour; empty when the result does
// not fit a signed 16-bit integer or the value is not finite.
[[nodiscard]] std::optional<int16_t> RoundHalfEvenToInt16(double value);

// Nearest whole number, halves to even, clamped to the 16-bit range (NaN gives 0).
[[nodiscard]] int16_t RoundHalfEvenClampedInt16(double value);

// The number with which a text begins: optional blanks, an optional sign, digits, an
// optional point and digits, an optional exponent. A text that does not begin so counts 0.
[[nodiscard]] double NumericPrefix(std::string_view text);

// The value with that many decimals (up to 80), never an exponent; any double fits: a host may
// answer a distance of 1e300 km.
[[nodiscard]] std::string FixedText(double value, int decimals);

// Plain number text: no fraction when the value is whole (50 -> "50", 0.5 -> "0.5").
[[nodiscard]] std::string NumberText(double value);

// The general number form of a single: up to seven significant digits, an exponent
// ("1.234568E+07") only for very large or small values, the given decimal separator.
[[nodiscard]] std::string GeneralNumberText(float value, char decimalSeparator);

// The shortest text that reads back as the same value.
[[nodiscard]] std::string ShortestText(float value);
[[nodiscard]] std::string ShortestText(double value);

}  // namespace trivex::support
