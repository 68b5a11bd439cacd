#include "runner.h"

#include <sstream>

#include "plot/plot_estimate.h"
#include "render/geojson.h"
#include "render/kml.h"
#include "render/review_report.h"
#include "render/summary.h"
#include "render/svg_map.h"
#include "transcript.h"
#include "ui/program_files.h"

namespace trivex::simkit {

using json::Json;

namespace {

constexpr int16_t kBackspace = 8;
constexpr int16_t kEnter = 13;

void SetUpPlatform(const Scenario& scenario, ui::MemoryPlatform& platform) {
    platform.programFolder = scenario.programFolder;
    platform.exeName = scenario.exeName;
    platform.otherInstance = scenario.otherInstance;
    platform.hostVersion = scenario.hostVersion;
    platform.screen = scenario.screen;
    if (scenario.settings)
        platform.PutFile(ui::MakeProgramFiles(scenario.programFolder, scenario.exeName).iniFile,
                         *scenario.settings);
    platform.readOnlyFolder = scenario.readOnlyFolder;
}

}  // namespace

struct ScenarioRun::Player {
    ScenarioRun& run;

    void operator()(const PlotAction&) { run.window_.OnCommand(ui::Command::Plot); }

    void operator()(const CloseAction&) { run.window_.OnClose(); }

    void operator()(const SetTextAction& action) {
        run.view_.SetText(ui::CallSignBox(action.row), action.text);
    }

    void operator()(const BeaconAction& action) {
        run.host_.FireNotifyBeacon(action.callsign, action.latitude, action.longitude);
    }

    void operator()(const HostEventAction& action) { run.host_.Fire(action.event); }

    void operator()(const MenuAction& action) {
        switch (action.target) {
            case MenuAction::Target::Command:
                run.window_.OnCommand(action.command);
                return;
            case MenuAction::Target::AboutOk:
                run.window_.OnAboutOk();
                return;
            case MenuAction::Target::AboutLink:
                run.window_.OnAboutLinkClicked();
                return;
        }
    }

    void operator()(const MinimiseAction& action) {
        run.view_.SetMinimised(action.minimise);
        run.window_.OnPlacementChanged();
    }

    void operator()(const MoveAction& action) {
        if (run.view_.IsMinimised()) return;
        run.view_.MoveTo(action.position);
        run.window_.OnPlacementChanged();
    }

    void operator()(const HostDataAction& action) { GiveHost(action, run.host_); }

    void operator()(const FailHostAction& action) { run.host_.FailNext(action.call, action.message); }

    // The key filter first; then the box takes the key as an edit box of nine characters would.

    void operator()(const TypeAction& action) {
        const ui::ControlId box = ui::CallSignBox(action.row);
        for (const int16_t code : action.keys) {
            if (run.Ended()) return;
            const auto key = run.window_.OnCallSignKey(action.row, code);
            if (!key || *key == kEnter) continue;
            std::string text = run.view_.Text(box);
            if (*key == kBackspace) {
                if (!text.empty()) text.pop_back();
            } else if (text.size() < ui::kCallSignMaxLength) {
                text += static_cast<char>(*key);
            }
            run.view_.SetText(box, text);
        }
    }
};

ScenarioRun::ScenarioRun(Scenario scenario, StepSink recordStep, WarningSink warn)
    : scenario_(std::move(scenario)),
      view_(scenario_.window),
      window_(view_, platform_, host_),
      recordStep_(std::move(recordStep)),
      warn_(std::move(warn)) {
    SetUpPlatform(scenario_, platform_);
    PrepareHost(scenario_, host_);
}

void ScenarioRun::Play() {
    host_.LimitCallEvents(kCallEventLimit);
    static_cast<void>(window_.Startup());  // a refused start shows as the window ended
    Record("startup");
    for (const Action& action : scenario_.actions) {
        if (!Ended()) std::visit(Player{*this}, action.data);
        Record(action.name);
    }
}

void ScenarioRun::Record(const std::string& action) {
    const std::vector<sim::JournalEntry> journal = host_.TakeJournal();
    picture_.Add(journal);
    if (render::DrawsOnMap(journal)) lastDrawing_ = render::MapPictureReplay();
    lastDrawing_.Add(journal);
    const std::vector<ui::MessageBoxRecord> messages = view_.TakeMessages();
    messages_.count += messages.size();
    if (!messages.empty()) messages_.last = messages.back();
    std::optional<std::string> stopped;
    if (host_.CallEventsWithheld()) {
        stopped = "the host fired " + std::to_string(kCallEventLimit) +
                  " events from inside its calls; the runner withheld the rest of this step's";
        if (warn_) warn_("step " + std::to_string(stepIndex_) + " (" + action + "): " + *stopped);
    }
    if (recordStep_) recordStep_(Step(action, journal, messages, stopped));
    platform_.shellRequests.clear();
    host_.LimitCallEvents(kCallEventLimit);
    ++stepIndex_;
}

// "stopped" only in a step whose events the runner cut short.
Json ScenarioRun::Step(const std::string& action, const std::vector<sim::JournalEntry>& journal,
                       const std::vector<ui::MessageBoxRecord>& messages,
                       const std::optional<std::string>& stopped) {
    std::vector<std::string> shell;
    for (const ui::ShellRequest& request : platform_.shellRequests) shell.push_back(request.target);
    const ui::ProgramFiles files = ui::MakeProgramFiles(scenario_.programFolder, scenario_.exeName);
    Json::Object step{
        {"action", action},
        {"window", WindowJson(view_)},
        {"messages", MessagesJson(messages)},
        {"beeps", view_.Beeps() - std::exchange(beepsSeen_, view_.Beeps())},
        {"shell", TextsJson(shell)},
        {"host", JournalJson(journal)},
        {"objects", TextsJson(host_.objects)},
        {"settingsFile", FileJson(platform_.File(files.iniFile))},
        {"listFile", FileJson(platform_.File(files.listFile))},
        {"ended", Ended()},
    };
    if (window_.ReviewCount() != std::exchange(reviewsSeen_, window_.ReviewCount()))
        render::AddReview(step, window_.LastReview(), scenario_.transmitter);
    if (stopped) step.emplace_back("stopped", *stopped);
    return step;
}

std::string ScenarioRun::Summary() {
    std::ostringstream review;
    if (!scenario_.lesson.empty()) review << "\nPractice: " << scenario_.lesson << "\n";
    if (window_.ReviewCount() > 0) render::WriteReview(review, window_.LastReview(), scenario_.transmitter);
    return render::SummaryText(view_, messages_, Ended(), review.str());
}

std::string ScenarioRun::MapSvg() const {
    const plot::PlotReview& review = window_.LastReview();
    const render::MapNotes notes{review.pairs, scenario_.transmitter, plot::EstimateOf(review)};
    return render::SvgText(picture_.Picture(), host_.map, host_.stations, notes);
}

std::string ScenarioRun::GeoJson() const {
    const plot::PlotReview& review = window_.LastReview();
    return render::GeoJsonText(review, lastDrawing_.Picture(), host_.stations, plot::EstimateOf(review),
                               scenario_.transmitter);
}

std::string ScenarioRun::Kml() const {
    const plot::PlotReview& review = window_.LastReview();
    return render::KmlText(review, lastDrawing_.Picture(), host_.stations, plot::EstimateOf(review),
                           scenario_.transmitter);
}

}  // namespace trivex::simkit
