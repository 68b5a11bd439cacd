// A scenario of trivex-sim: the world the program starts in and what happens to it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "geometry/map_view.h"
#include "host/host_version.h"
#include "host/sim/sim_host.h"
#include "json/json_node.h"
#include "ui/controls.h"
#include "ui/view.h"

namespace trivex::simkit {

// A scenario that cannot be read; the text names the field at fault.
using ScenarioError = json::ReadError;

struct PlotAction {};
struct CloseAction {};  // the window's close box
struct TypeAction {
    int row = 0;
    std::vector<int16_t> keys;  // character codes of the ANSI code page
};
struct SetTextAction {
    int row = 0;
    std::string text;
};
struct BeaconAction {
    std::string callsign;
    float latitude = 0.0f;
    float longitude = 0.0f;
};
// The simulated host's data that a scenario or an action gives: each part given replaces the
// host's, the parts left out keep theirs.
struct HostData {
    std::optional<sim::MapArea> map;
    std::optional<std::vector<sim::Station>> stations;
    std::optional<std::vector<std::string>> objects;
};

struct HostEventAction {
    sim::Event event;
};
struct MenuAction {
    enum class Target { Command, AboutOk, AboutLink };
    Target target = Target::Command;
    ui::Command command = ui::Command::Plot;
};
struct MinimiseAction {
    bool minimise = true;  // false: restore
};
struct MoveAction {
    ui::WindowPosition position;
};
struct HostDataAction : HostData {};
struct FailHostAction {
    std::string call;
    std::string message;
};

struct Action {
    using Data =
        std::variant<PlotAction, CloseAction, TypeAction, SetTextAction, BeaconAction, HostEventAction,
                     MenuAction, MinimiseAction, MoveAction, HostDataAction, FailHostAction>;
    std::string name;  // as the scenario writes it
    Data data;
};

struct Scenario {
    std::string programFolder = "C:\\Trivex";
    std::string exeName = "Trivex";
    std::optional<std::string> settings;  // nothing: no settings file
    bool readOnlyFolder = false;
    ui::Size screen{15360, 11520};
    ui::Size window{6180, 5250};
    bool otherInstance = false;
    std::optional<host::FixedFileVersion> hostVersion =
        host::FixedFileVersion{2, 0, 0, 3};  // nothing: no host
    HostData hostData;
    std::vector<sim::CallEvent> eventsDuringCalls;
    std::vector<Action> actions;
    // A practice run: where the transmitter really is (minutes), and what the run teaches.
    std::optional<geometry::MapPoint> transmitter;
    std::string lesson;
};

// Throws ScenarioError for text that is not JSON, an unknown field or action, a value of
// the wrong type or out of range.
[[nodiscard]] Scenario ReadScenario(const std::string& jsonText);

void GiveHost(const HostData& data, sim::SimHost& host);
// Gives the simulated host the scenario's data and adds its events during calls.
void PrepareHost(const Scenario& scenario, sim::SimHost& host);

}  // namespace trivex::simkit
