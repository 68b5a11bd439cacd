// The program's title and the paths of its own files beside the executable.
#pragma once

#include <string>

namespace trivex::ui {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 4;
inline constexpr int kVersionRevision = 2;

// The name by which a running instance is found, and the title of message boxes without one.
inline constexpr const char* kApplicationTitle = "UI-Trivex";

struct ProgramFiles {
    std::string AppTitle;
    std::string HelpFile;
    std::string IniFile;
    std::string ListFile;
    std::string HtmlHelpFile;
};

// folder "C:\Apps" and exe name "Tool" give "C:\Apps\Tool.INI" and so on.
ProgramFiles MakeProgramFiles(const std::string& folder, const std::string& exeName);

}  // namespace trivex::ui
