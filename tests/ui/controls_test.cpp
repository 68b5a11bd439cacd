// The tables the window is built from, against the manual; the Windows test shows the real
// window built from them.
#include "ui/controls.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace trivex::ui {
namespace {

// The menu as a text: the captions, "-" for a separator, the items of a submenu in brackets.
std::string MenuTree(std::span<const MenuEntry> entries) {
    std::string tree;
    for (const MenuEntry& entry : entries) {
        if (!tree.empty()) tree += '|';
        tree += entry.separator ? "-" : entry.caption;
        if (entry.shortcut) tree.append("\t").append(entry.shortcut);
        if (!entry.items.empty()) tree.append("(").append(MenuTree(entry.items)).append(")");
    }
    return tree;
}

TEST(MainMenu, HasTheManualsItemsAndOneSeparator) {
    EXPECT_EQ(MenuTree(MainMenu()),
              "&File(&Save settings|E&xit)|&Options(Replot after redraw|ignore intersection if distance more "
              "then (1 km|5 km|10 km|50 km|100 km|200 km)|Line thickness(1|2|3|4)|Log pair results|"
              "Show best estimate)|&Plot|&Help(&Help\tF1|-|&About)");
}

TEST(MainWindowControls, RowsStandOneQuarterInchApart) {
    const std::pair<ControlId, int> tops[] = {
        {ControlId::CallSign0, 360},    // the first row
        {ControlId::Bearing3, 1440},    // the fourth
        {ControlId::Intersect4, 1800},  // the last
    };
    const std::span<const ControlLayout> controls = MainWindowControls();
    for (const auto& [id, top] : tops) {
        const auto control = std::ranges::find(controls, id, &ControlLayout::id);
        ASSERT_NE(control, controls.end());
        EXPECT_EQ(control->top, top) << control->name;
    }
}

}  // namespace
}  // namespace trivex::ui
