#include "ui/error_message.h"

namespace trivex::ui {

ErrorMessage MakeErrorMessage(MessageStyle style, const std::string& message, const std::string& appTitle,
                              const std::string& htmlHelpFile) {
    std::string text = "The following error has ocurred, you may want to read the online help file (" +
                       htmlHelpFile + ") on this :\r\n\r\n" + message;
    const bool critical = style == MessageStyle::Critical;
    if (critical) text += "\r\n\r\nThe program will be stopped";
    return ErrorMessage{style, appTitle + " Error message", text, critical};
}

}  // namespace trivex::ui
