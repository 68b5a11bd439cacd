#include "support/numeric.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace trivex::support {

std::optional<int16_t> RoundHalfEvenToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // the default rounding mode is to nearest, ties to even
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

int16_t RoundHalfEvenClampedInt16(double value) {
    if (std::isnan(value)) return 0;
    if (auto rounded = RoundHalfEvenToInt16(value)) return *rounded;
    return value < 0 ? std::numeric_limits<int16_t>::min() : std::numeric_limits<int16_t>::max();
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t SkipDigits(std::string_view text, size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos;
}

}  // namespace

double NumericPrefix(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    const size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    const size_t intStart = pos;
    pos = SkipDigits(text, pos);
    bool hasDigits = pos > intStart;
    if (pos < text.size() && text[pos] == '.') {
        const size_t fracEnd = SkipDigits(text, pos + 1);
        hasDigits = hasDigits || fracEnd > pos + 1;
        pos = fracEnd;
    }
    if (!hasDigits) return 0.0;
    bool negativeExponent = false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        size_t expPos = pos + 1;
        const bool signedExponent = expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-');
        if (signedExponent) ++expPos;
        const size_t expEnd = SkipDigits(text, expPos);
        if (expEnd > expPos) {
            negativeExponent = signedExponent && text[expPos - 1] == '-';
            pos = expEnd;
        }
    }
    std::string_view number = text.substr(start, pos - start);
    if (!number.empty() && number[0] == '+') number.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow and underflow.
        const bool negative = number[0] == '-';
        if (negativeExponent) return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return value;
}

std::string FixedText(double value, int decimals) {
    char buffer[400];  // the largest double has 309 digits before the point
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string NumberText(double value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
        return std::string(buffer, result.ptr);
    }
    return ShortestText(value);
}

namespace {

template <typename T>
std::string Shortest(T value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string GeneralNumberText(float value, char decimalSeparator) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == 'e') c = 'E';
        if (c == '.') c = decimalSeparator;
    }
    return text;
}

std::string ShortestText(float value) {
    return Shortest(value);
}
std::string ShortestText(double value) {
    return Shortest(value);
}

}  // namespace trivex::support
