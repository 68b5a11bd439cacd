// What the window shows, laid out for a person to read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "ui/memory/memory_view.h"

namespace trivex::render {

// The message boxes of a whole run: how many there were, and the last.
struct MessageTally {
    size_t count = 0;
    std::optional<ui::MessageBoxRecord> last;
};

// The checked item of a submenu (1 = its first), or 0 when none is checked.
int CheckedItem(ui::MemoryView& view, ui::Command first, int count);

// `review` goes between the options and the status log.
[[nodiscard]] std::string SummaryText(ui::MemoryView& view, const MessageTally& messages, bool ended,
                                      const std::string& review = "");

}  // namespace trivex::render
