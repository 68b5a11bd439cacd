// trivex-sim SCENARIO.json [--svg MAP.svg] [--geojson PLOT.geojson] [--summary]
// trivex-sim --hunts N --seed S [--reflect]
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace trivex::simkit {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;    // the run or the picture failed
inline constexpr int kExitBadInput = 2;  // bad arguments or scenario

// A scenario file may hold this many bytes (8 MiB): half a million actions.
inline constexpr size_t kMaxScenarioBytes = size_t{8} << 20;

// The arguments after the program name. Errors go to `err` as one line.
[[nodiscard]] int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace trivex::simkit
