#include "scenario_actions.h"

#include <array>
#include <functional>
#include <utility>

#include "scenario_parts.h"

namespace trivex::simkit {

using json::JsonNode;
using json::Quoted;

namespace {

constexpr int kLastRow = 4;
constexpr int16_t kNotInCodePage = '?';
constexpr char32_t kCodePageEnd = 0x100;

using ui::Command;
using Target = MenuAction::Target;

constexpr std::array<std::pair<std::string_view, MenuAction>, 18> kMenuItems{{
    {"save", {Target::Command, Command::FileSave}},
    {"exit", {Target::Command, Command::FileExit}},
    {"replot", {Target::Command, Command::OptionsReplot}},
    {"logPairs", {Target::Command, Command::OptionsLogPairs}},
    {"showEstimate", {Target::Command, Command::OptionsShowEstimate}},
    {"ignore1", {Target::Command, Command::Ignore1}},
    {"ignore2", {Target::Command, Command::Ignore2}},
    {"ignore3", {Target::Command, Command::Ignore3}},
    {"ignore4", {Target::Command, Command::Ignore4}},
    {"ignore5", {Target::Command, Command::Ignore5}},
    {"ignore6", {Target::Command, Command::Ignore6}},
    {"thickness1", {Target::Command, Command::Thickness1}},
    {"thickness2", {Target::Command, Command::Thickness2}},
    {"thickness3", {Target::Command, Command::Thickness3}},
    {"thickness4", {Target::Command, Command::Thickness4}},
    {"help", {Target::Command, Command::HelpHelp}},
    {"about", {Target::Command, Command::About}},
    {"aboutOk", {Target::AboutOk, Command::About}},
}};

int ReadRow(const JsonNode& node) {
    return static_cast<int>(node.Integer(0, kLastRow));
}

// Each character of the UTF-8 text as a code of the ANSI code page (taken as Latin-1);
// characters beyond it become "?".
std::vector<int16_t> KeyCodes(const std::string& text) {
    std::vector<int16_t> codes;
    for (size_t pos = 0; pos < text.size();) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (size_t i = 1; i < length && pos + i < text.size(); ++i)
            code = (code << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
        codes.push_back(code < kCodePageEnd ? static_cast<int16_t>(code) : kNotInCodePage);
        pos += length;
    }
    return codes;
}

Action::Data ReadType(const JsonNode& node) {
    node.ExpectFields({"do", "row", "keys"});
    return TypeAction{ReadRow(node.RequiredField("row")), KeyCodes(node.RequiredField("keys").String())};
}

Action::Data ReadSetText(const JsonNode& node) {
    node.ExpectFields({"do", "row", "text"});
    return SetTextAction{ReadRow(node.RequiredField("row")), node.RequiredField("text").String()};
}

Action::Data ReadBeacon(const JsonNode& node) {
    node.ExpectFields({"do", "callsign", "latitude", "longitude"});
    return BeaconAction{node.RequiredField("callsign").String(), node.RequiredField("latitude").Single(),
                        node.RequiredField("longitude").Single()};
}

Action::Data ReadMenu(const JsonNode& node) {
    node.ExpectFields({"do", "item"});
    const JsonNode item = node.RequiredField("item");
    const std::string name = item.String();
    for (const auto& [itemName, action] : kMenuItems)
        if (itemName == name) return action;
    if (name == "aboutLink") return MenuAction{Target::AboutLink, Command::About};
    item.Fail("unknown menu item " + Quoted(name));
}

Action::Data ReadMove(const JsonNode& node) {
    node.ExpectFields({"do", "left", "top"});
    return MoveAction{{ReadInt32(node.RequiredField("left")), ReadInt32(node.RequiredField("top"))}};
}

Action::Data ReadHostAction(const JsonNode& node) {
    node.ExpectFields({"do", "map", "stations", "objects"});
    return HostDataAction{ReadHostData(node)};
}

Action::Data ReadFailHost(const JsonNode& node) {
    node.ExpectFields({"do", "call", "message"});
    FailHostAction action{ReadHostCall(node.RequiredField("call")), "Simulated host failure"};
    if (auto field = node.Field("message")) action.message = field->String();
    return action;
}

// An action that takes nothing but its name.
std::function<Action::Data(const JsonNode&)> Plain(Action::Data data) {
    return [data](const JsonNode& node) {
        node.ExpectFields({"do"});
        return data;
    };
}

const std::vector<std::pair<std::string_view, std::function<Action::Data(const JsonNode&)>>>& Readers() {
    static const std::vector<std::pair<std::string_view, std::function<Action::Data(const JsonNode&)>>>
        readers{
            {"plot", Plain(PlotAction{})},
            {"type", ReadType},
            {"setText", ReadSetText},
            {"beacon", ReadBeacon},
            {"dataAvailable", Plain(HostEventAction{sim::Event::DataAvailable})},
            {"mapRedrawn", Plain(HostEventAction{sim::Event::MapRedrawn})},
            {"mapChanged", Plain(HostEventAction{sim::Event::MapHasChanged})},
            {"hostClosing", Plain(HostEventAction{sim::Event::UIView32IsClosing})},
            {"menu", ReadMenu},
            {"minimise", Plain(MinimiseAction{true})},
            {"restore", Plain(MinimiseAction{false})},
            {"move", ReadMove},
            {"host", ReadHostAction},
            {"failHost", ReadFailHost},
            {"close", Plain(CloseAction{})},
        };
    return readers;
}

}  // namespace

Action ReadAction(const JsonNode& node) {
    node.ExpectObject();
    const JsonNode what = node.RequiredField("do");
    const std::string name = what.String();
    for (const auto& [actionName, read] : Readers())
        if (actionName == name) return {name, read(node)};
    what.Fail("unknown action " + Quoted(name));
}

}  // namespace trivex::simkit
