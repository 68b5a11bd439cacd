// What the window shows, laid out for a person to read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "ui/memory/memory_view.h"

namespace trivex::simkit {

// The message boxes of a whole run: how many there were, and the last.
struct MessageTally {
    size_t count = 0;
    std::optional<ui::MessageBoxRecord> last;
};

// `review` goes between the options and the status log.
[[nodiscard]] std::string SummaryText(ui::MemoryView& view, const MessageTally& messages, bool ended,
                                      const std::string& review = "");

}  // namespace trivex::simkit
