#include "ui/error_message.h"

namespace trivex {

std::optional<ErrorMessage> MakeErrorMessage(int style, const std::string& message,
                                             const std::string& appTitle, const std::string& htmlHelpFile) {
    if (style != kStyleCritical && style != kStyleWarning && style != kStyleInformation) return std::nullopt;
    std::string text = "The following error has ocurred, you may want to read the online help file (" +
                       htmlHelpFile + ") on this :\r\n\r\n" + message;
    const bool critical = style == kStyleCritical;
    if (critical) text += "\r\n\r\nThe program will be stopped";
    return ErrorMessage{style, appTitle + " Error message", text, critical};
}

}  // namespace trivex
