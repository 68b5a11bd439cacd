// The parts of a transcript step: what the window shows and what the host was asked.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/sim/sim_host.h"
#include "json/json_text.h"
#include "ui/memory/memory_platform.h"
#include "ui/memory/memory_view.h"

namespace trivex::simkit {

[[nodiscard]] json::Json WindowJson(ui::MemoryView& view);
// Every argument keeps its type: singles and doubles each as their own shortest text.
[[nodiscard]] json::Json JournalJson(const std::vector<sim::JournalEntry>& journal);
[[nodiscard]] json::Json MessagesJson(const std::vector<ui::MessageBoxRecord>& messages);
[[nodiscard]] json::Json TextsJson(const std::vector<std::string>& texts);
[[nodiscard]] json::Json FileJson(const std::optional<std::string>& content);

// Writes the transcript {"steps": [...]} to a stream a step at a time, laid out as Json::Text()
// lays out the whole (a step never fits on one line).
class TranscriptWriter {
  public:
    explicit TranscriptWriter(std::ostream& out) : out_(out) {}
    void Step(const json::Json& step);
    void Finish();

  private:
    std::ostream& out_;
    bool first_ = true;
};

}  // namespace trivex::simkit
