// The stand-in as a local COM server: registers its class factories and serves until the
// last object is released.
#pragma once

#include <string>

namespace trivex::standin {

// Returns the process exit code. A file uiview32-scenario.json beside the executable, if
// present, is loaded as the starting scenario.
[[nodiscard]] int RunServer(const std::wstring& executable);

}  // namespace trivex::standin
