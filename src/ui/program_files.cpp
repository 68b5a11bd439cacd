#include "ui/program_files.h"

namespace trivex::ui {

ProgramFiles MakeProgramFiles(const std::string& folder, const std::string& exeName) {
    const std::string base = folder + "\\" + exeName;
    return {
        "UI-View32 add-on TrivexV" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
            "." + std::to_string(kVersionRevision),
        base + ".HLP",
        base + ".INI",
        base + ".LST",
        base + ".html",
    };
}

}  // namespace trivex::ui
