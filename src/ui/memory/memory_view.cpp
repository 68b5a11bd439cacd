#include "ui/memory/memory_view.h"

#include "ui/program_files.h"

namespace trivex::ui {

namespace {

size_t IndexOf(ControlId id) {
    return static_cast<size_t>(id);
}

}  // namespace

MemoryView::MemoryView(Size outerSize) : outerSize_(outerSize) {
    for (const ControlLayout& control : MainWindowControls()) {
        if (texts_.size() <= IndexOf(control.id)) texts_.resize(IndexOf(control.id) + 1);
        texts_[IndexOf(control.id)] = control.initialText;
    }
}

std::string MemoryView::Text(ControlId id) {
    return texts_.at(IndexOf(id));
}

void MemoryView::SetText(ControlId id, const std::string& text) {
    texts_.at(IndexOf(id)) = text;
}

void MemoryView::AppendToLog(const std::string& text) {
    texts_.at(IndexOf(ControlId::Status)) += text;
}

void MemoryView::SetChecked(Command item, bool checked) {
    if (checked)
        checked_.insert(item);
    else
        checked_.erase(item);
}

void MemoryView::ShowMessage(MessageStyle style, const std::string& title, const std::string& text) {
    messages_.push_back({style, title.empty() ? kApplicationTitle : title, text});
    if (whileMessageShown) whileMessageShown();
}

}  // namespace trivex::ui
