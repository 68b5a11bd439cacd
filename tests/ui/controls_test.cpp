// What the window's tables cannot show by themselves: the window is built by walking them, so a
// control, a tab stop or a command given twice, or not at all, loses a control or wires a menu
// item to another's command. Where the controls stand and what the menu shows is the Windows
// test's, on the real window.
#include "ui/controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace trivex::ui {
namespace {

void AddCommands(std::span<const MenuEntry> entries, std::vector<int>& commands) {
    for (const MenuEntry& entry : entries) {
        if (!entry.items.empty())
            AddCommands(entry.items, commands);
        else if (!entry.separator)
            commands.push_back(static_cast<int>(entry.command));
    }
}

TEST(MainWindowTables, NameEachControlTabStopAndCommandOnce) {
    std::vector<int> ids, tabs, commands;
    for (const ControlLayout& control : MainWindowControls()) {
        ids.push_back(static_cast<int>(control.id));
        tabs.push_back(control.tabIndex);
    }
    AddCommands(MainMenu(), commands);
    struct {
        const char* what;
        std::vector<int> values;
        int count;
    } cases[] = {
        {"control ids", ids, static_cast<int>(ControlId::Status) + 1},      // the last id
        {"tab indices", tabs, static_cast<int>(ids.size())},                // one a control
        {"menu commands", commands, static_cast<int>(Command::About) + 1},  // every command on one item
    };
    for (auto& [what, values, count] : cases) {
        std::vector<int> each(static_cast<size_t>(count));  // each of 0..count-1 once
        std::iota(each.begin(), each.end(), 0);
        std::ranges::sort(values);
        EXPECT_EQ(values, each) << what;
    }
}

}  // namespace
}  // namespace trivex::ui
