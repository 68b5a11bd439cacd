// Plays a scenario against the program's logic with the simulated host and the in-memory
// window and operating system, and records a transcript step for start-up and each action.
// A step is handed on as soon as it is recorded and not kept: a run's memory does not grow
// with its number of steps.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/sim/sim_host.h"
#include "json/json_text.h"
#include "render/map_picture.h"
#include "render/summary.h"
#include "scenario.h"
#include "ui/main_window.h"
#include "ui/memory/memory_platform.h"
#include "ui/memory/memory_view.h"

namespace trivex::simkit {

// The most events the simulated host fires from inside its calls in one step. A host that
// fires a beacon inside every call would keep the program plotting for ever: the events beyond
// the bound are withheld, and the step's transcript and the warning sink say so.
inline constexpr int kCallEventLimit = 100;

class ScenarioRun {
  public:
    using StepSink = std::function<void(const json::Json& step)>;
    using WarningSink = std::function<void(const std::string& warning)>;
    // Without a sink no transcript is made.
    explicit ScenarioRun(Scenario scenario, StepSink recordStep = {}, WarningSink warn = {});
    ScenarioRun(const ScenarioRun&) = delete;
    ScenarioRun& operator=(const ScenarioRun&) = delete;

    // Starts the program and plays every action; once the program has ended, the actions
    // left are still recorded, with nothing happening in them.
    void Play();

    [[nodiscard]] std::string Summary();
    // The host's map as SVG with what was drawn on it over the whole run, the last plot's
    // rejected crossings and the transmitter of a practice run.
    [[nodiscard]] std::string MapSvg() const;
    // The last plot as GeoJSON and as KML.
    [[nodiscard]] std::string GeoJson() const;
    [[nodiscard]] std::string Kml() const;

  private:
    struct Player;  // plays one action
    void Record(const std::string& action);
    [[nodiscard]] json::Json Step(const std::string& action, const std::vector<sim::JournalEntry>& journal,
                                  const std::vector<ui::MessageBoxRecord>& messages,
                                  const std::optional<std::string>& stopped);
    [[nodiscard]] bool Ended() const { return window_.Ended() || platform_.ended; }

    const Scenario scenario_;
    sim::SimHost host_;
    ui::MemoryView view_;
    ui::MemoryPlatform platform_;
    ui::MainWindow window_;

    StepSink recordStep_;
    WarningSink warn_;
    int stepIndex_ = 0;
    render::MapPictureReplay picture_;
    render::MapPictureReplay lastDrawing_;  // of the last step that drew
    unsigned reviewsSeen_ = 0;
    render::MessageTally messages_;
    int beepsSeen_ = 0;
};

}  // namespace trivex::simkit
