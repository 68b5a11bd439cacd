// The settings in memory, as the Options menus change them and the settings file keeps them.
#pragma once

#include <cstdint>

namespace trivex::ui {

struct Settings {
    int16_t plotLineThickness = 1;   // pixels, 1..4
    double ignoreDistance = 1000.0;  // metres
    bool replotAfterMapIsRedrawn = false;
    bool logPairResults = false;
    bool showBestEstimate = false;
    int ignoreItem = 1;  // the checked item of the ignore-distance menu, 1..6
};

}  // namespace trivex::ui
