// The program's error message box: a pointer to the help page, the message and, for a
// critical error, the notice that the program stops.
#pragma once

#include <optional>
#include <string>

namespace trivex {

inline constexpr int kStyleCritical = 16;
inline constexpr int kStyleWarning = 48;
inline constexpr int kStyleInformation = 64;

struct ErrorMessage {
    int style;
    std::string title;
    std::string text;
    bool endsProgram;
};

// Nothing for a style other than 16, 48 or 64.
[[nodiscard]] std::optional<ErrorMessage> MakeErrorMessage(int style, const std::string& message,
                                                           const std::string& appTitle,
                                                           const std::string& htmlHelpFile);

}  // namespace trivex
