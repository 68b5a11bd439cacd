// trivex-sim SCENARIO.json [--svg MAP.svg] [--summary]
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace trivex::runner {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;    // the run or the picture failed
inline constexpr int kExitBadInput = 2;  // bad arguments or scenario

// The arguments after the program name. Errors go to `err` as one line.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace trivex::runner
