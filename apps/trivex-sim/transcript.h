// The parts of a transcript step: what the window shows and what the host was asked.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/sim/sim_host.h"
#include "json_text.h"
#include "ui/memory/memory_platform.h"
#include "ui/memory/memory_view.h"

namespace trivex::runner {

// The checked item of a submenu (1 = its first), or 0 when none is checked.
int CheckedItem(ui::MemoryView& view, ui::Command first, int count);

Json WindowJson(ui::MemoryView& view);
// Every argument keeps its type: singles and doubles each as their own shortest text.
Json JournalJson(const std::vector<sim::JournalEntry>& journal);
Json MessagesJson(const std::vector<ui::MessageBoxRecord>& messages);
Json TextsJson(const std::vector<std::string>& texts);
Json FileJson(const std::optional<std::string>& content);

}  // namespace trivex::runner
