// A scenario of trivex-sim: the world the program starts in and what happens to it.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "geometry/map_view.h"
#include "host/sim/sim_host.h"
#include "support/host_version.h"
#include "ui/controls.h"
#include "ui/view.h"

namespace trivex::simkit {

// A scenario that cannot be read; the text names the field at fault.
class ScenarioError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

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
struct HostDataAction {
    std::optional<sim::MapView> map;
    std::optional<std::vector<sim::Station>> stations;
    std::optional<std::vector<std::string>> objects;
};
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
    std::optional<FixedFileVersion> hostVersion = FixedFileVersion{2, 0, 0, 3};  // nothing: no host
    sim::MapView map;
    std::vector<sim::Station> stations;
    std::vector<std::string> objects;
    std::vector<sim::CallEvent> eventsDuringCalls;
    std::vector<Action> actions;
    // A practice run: where the transmitter really is (minutes), and what the run teaches.
    std::optional<MapPoint> transmitter;
    std::string lesson;
};

// Throws ScenarioError for text that is not JSON, an unknown field or action, a value of
// the wrong type or out of range.
[[nodiscard]] Scenario ReadScenario(const std::string& jsonText);

}  // namespace trivex::simkit
