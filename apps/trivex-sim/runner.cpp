#include "runner.h"

#include "summary.h"
#include "transcript.h"
#include "ui/program_files.h"

namespace trivex::runner {

namespace {

constexpr int16_t kBackspace = 8;
constexpr int16_t kEnter = 13;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

void SetUpPlatform(const Scenario& scenario, ui::MemoryPlatform& platform) {
    platform.programFolder = scenario.programFolder;
    platform.exeName = scenario.exeName;
    platform.otherInstance = scenario.otherInstance;
    platform.hostVersion = scenario.hostVersion;
    platform.screen = scenario.screen;
    if (scenario.settings)
        platform.PutFile(ui::MakeProgramFiles(scenario.programFolder, scenario.exeName).IniFile, *scenario.settings);
    platform.readOnlyFolder = scenario.readOnlyFolder;
}

void SetUpHost(const Scenario& scenario, sim::SimHost& host) {
    host.map = scenario.map;
    host.stations = scenario.stations;
    host.objects = scenario.objects;
    for (const EventRule& rule : scenario.eventsDuringCalls) host.FireDuring(rule.call, rule.event);
}

template <typename T>
std::vector<T> Since(const std::vector<T>& all, size_t& seen) {
    std::vector<T> fresh(all.begin() + static_cast<std::ptrdiff_t>(seen), all.end());
    seen = all.size();
    return fresh;
}

}  // namespace

ScenarioRun::ScenarioRun(const Scenario& scenario)
    : scenario_(scenario), view_(scenario_.window), window_(view_, platform_, host_) {
    SetUpPlatform(scenario_, platform_);
    SetUpHost(scenario_, host_);
}

void ScenarioRun::Play() {
    window_.Startup();
    Record("startup");
    for (const Action& action : scenario_.actions) {
        if (!Ended()) Apply(action);
        Record(action.name);
    }
}

void ScenarioRun::Apply(const Action& action) {
    std::visit(Overloaded{
                   [&](const PlotAction&) { window_.OnCommand(ui::Command::Plot); },
                   [&](const CloseAction&) { window_.OnClose(); },
                   [&](const TypeAction& type) { Type(type); },
                   [&](const SetTextAction& set) { view_.SetText(ui::CallSignBox(set.row), set.text); },
                   [&](const BeaconAction& beacon) {
                       host_.FireNotifyBeacon(beacon.callsign, beacon.latitude, beacon.longitude);
                   },
                   [&](const HostEventAction& event) { host_.Fire(event.event); },
                   [&](const MenuAction& menu) {
                       if (menu.target == MenuAction::Target::AboutOk)
                           window_.OnAboutOk();
                       else if (menu.target == MenuAction::Target::AboutLink)
                           window_.OnAboutLinkClicked();
                       else
                           window_.OnCommand(menu.command);
                   },
                   [&](const MinimiseAction& state) {
                       view_.SetMinimised(state.minimise);
                       window_.OnPlacementChanged();
                   },
                   [&](const MoveAction& move) {
                       if (view_.IsMinimised()) return;
                       view_.MoveTo(move.position);
                       window_.OnPlacementChanged();
                   },
                   [&](const HostDataAction& data) {
                       if (data.map) host_.map = *data.map;
                       if (data.stations) host_.stations = *data.stations;
                       if (data.objects) host_.objects = *data.objects;
                   },
                   [&](const FailHostAction& fail) { host_.FailNext(fail.call, fail.message); },
               },
               action.data);
}

// The key filter first; then the box takes the key as an edit box of nine characters would.
void ScenarioRun::Type(const TypeAction& action) {
    const ui::ControlId box = ui::CallSignBox(action.row);
    for (const int16_t code : action.keys) {
        if (Ended()) return;
        const auto key = window_.OnCallSignKey(action.row, code);
        if (!key || *key == kEnter) continue;
        std::string text = view_.Text(box);
        if (*key == kBackspace) {
            if (!text.empty()) text.pop_back();
        } else if (text.size() < ui::kCallSignMaxLength) {
            text += static_cast<char>(*key);
        }
        view_.SetText(box, text);
    }
}

void ScenarioRun::Record(const std::string& action) {
    std::vector<sim::JournalEntry> journal = host_.TakeJournal();
    journal_.insert(journal_.end(), journal.begin(), journal.end());
    std::vector<std::string> shell;
    for (const ui::ShellRequest& request : Since(platform_.shellRequests, shellSeen_)) shell.push_back(request.target);
    const ui::ProgramFiles files = ui::MakeProgramFiles(scenario_.programFolder, scenario_.exeName);
    steps_.emplace_back(Json::Object{
        {"action", action},
        {"window", WindowJson(view_)},
        {"messages", MessagesJson(Since(view_.Messages(), messagesSeen_))},
        {"beeps", view_.Beeps() - std::exchange(beepsSeen_, view_.Beeps())},
        {"shell", TextsJson(shell)},
        {"host", JournalJson(journal)},
        {"objects", TextsJson(host_.objects)},
        {"settingsFile", FileJson(platform_.File(files.IniFile))},
        {"listFile", FileJson(platform_.File(files.ListFile))},
        {"ended", Ended()},
    });
}

std::string ScenarioRun::Summary() { return SummaryText(view_, Ended()); }

MapPicture ScenarioRun::Picture() const { return CollectPicture(journal_, host_.map, host_.stations); }

}  // namespace trivex::runner
