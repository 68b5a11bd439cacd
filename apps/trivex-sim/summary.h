// What the window shows, laid out for a person to read.
#pragma once

#include <string>

#include "ui/memory/memory_view.h"

namespace trivex::runner {

std::string SummaryText(ui::MemoryView& view, bool ended);

}  // namespace trivex::runner
