// The program's error message box: a pointer to the help page, the message and, for a
// critical error, the notice that the program stops.
#pragma once

#include <string>

#include "ui/view.h"

namespace trivex::ui {

struct ErrorMessage {
    MessageStyle style;
    std::string title;
    std::string text;
    bool endsProgram;
};

[[nodiscard]] ErrorMessage MakeErrorMessage(MessageStyle style, const std::string& message,
                                            const std::string& appTitle, const std::string& htmlHelpFile);

}  // namespace trivex::ui
