// The program's title and the paths of its own files beside the executable.
#pragma once

#include <string>

#include "trivex_version.h"

namespace trivex::ui {

inline constexpr int kVersionMajor = TRIVEX_VERSION_MAJOR;
inline constexpr int kVersionMinor = TRIVEX_VERSION_MINOR;
inline constexpr int kVersionRevision = TRIVEX_VERSION_PATCH;

// The name by which a running instance is found, and the title of message boxes without one.
inline constexpr const char* kApplicationTitle = "UI-Trivex";

struct ProgramFiles {
    std::string appTitle;
    std::string helpFile;
    std::string iniFile;
    std::string listFile;
    std::string htmlHelpFile;
};

// folder "C:\Apps" and exe name "Tool" give "C:\Apps\Tool.INI" and so on.
[[nodiscard]] ProgramFiles MakeProgramFiles(const std::string& folder, const std::string& exeName);

}  // namespace trivex::ui
