#include "plot/df_reading.h"

#include <optional>

#include "support/numeric.h"

namespace trivex::plot {
namespace {

bool AreDigits(std::string_view text, size_t pos, size_t count) {
    if (pos + count > text.size()) return false;
    for (size_t i = pos; i < pos + count; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

int16_t DigitsValue(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return static_cast<int16_t>(value);
}

}  // namespace

DfReading ParseDfText(std::string_view infoText3) {
    const size_t first = infoText3.find('%');
    if (first == std::string_view::npos) return {};
    const DfReading invalid{DfStatus::Invalid};
    // The bearing field is at least three characters long, so the second sign is looked
    // for from the fourth character after the first one.
    const size_t second = infoText3.find('%', first + 4);
    if (second == std::string_view::npos) return invalid;
    const std::string_view bearingField = infoText3.substr(first + 1, second - first - 1);
    if (!AreDigits(bearingField, 0, 3) || !AreDigits(infoText3, second + 1, 3)) return invalid;
    const std::optional<int16_t> bearing =
        support::RoundHalfEvenToInt16(support::NumericPrefix(bearingField));
    if (!bearing) return invalid;
    return {DfStatus::Valid, *bearing, DigitsValue(infoText3.substr(second + 1, 3))};
}

std::string BearingBoxText(const DfReading& reading) {
    switch (reading.status) {
        case DfStatus::Valid:
            return std::to_string(reading.bearing) + " deg +/-" + std::to_string(reading.accuracy);
        case DfStatus::Invalid:
            return "invalid data";
        case DfStatus::NoData:
            break;
    }
    return "no data";
}

}  // namespace trivex::plot
