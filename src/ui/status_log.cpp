#include "ui/status_log.h"

#include <algorithm>

namespace trivex::ui {

namespace {

constexpr size_t kLogLimit = 15000;
constexpr size_t kLogKept = 10000;

}  // namespace

void AppendToStatusLog(MainWindowView& view, const std::string& text) {
    if (view.TextLength(ControlId::Status) > kLogLimit) {
        const std::string log = view.Text(ControlId::Status);
        view.SetText(ControlId::Status, log.substr(log.size() - kLogKept));
    }
    if (text.find('\0') == std::string::npos) return view.AppendToLog(text);
    // A host's text may hold a NUL, which would end the text for the log box.
    std::string blanked = text;
    std::ranges::replace(blanked, '\0', ' ');
    view.AppendToLog(blanked);
}

}  // namespace trivex::ui
