// The DF bearing and accuracy that the host keeps in the third information text of a station.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "geometry/crossing.h"

namespace trivex::plot {

enum class DfStatus { NoData, Invalid, Valid };

struct DfReading {
    DfStatus status = DfStatus::NoData;
    int16_t bearing = geometry::kNoBearing;
    int16_t accuracy = 0;
};

// Reads "%" bearing "%" three-digit accuracy out of the host's third information text.
[[nodiscard]] DfReading ParseDfText(std::string_view infoText3);

// "270 deg +/-15", "no data" or "invalid data".
[[nodiscard]] std::string BearingBoxText(const DfReading& reading);

}  // namespace trivex::plot
