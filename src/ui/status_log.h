// The status log at the foot of the main window.
#pragma once

#include <string>

#include "ui/view.h"

namespace trivex::ui {

// Appends the text to the log; a log grown past its limit first keeps only its last part.
void AppendToStatusLog(MainWindowView& view, const std::string& text);

}  // namespace trivex::ui
