// The tables the window is built from, against the manual; the Windows test shows the real
// window built from them.
#include "ui/controls.h"

#include <gtest/gtest.h>

namespace trivex::ui {
namespace {

// The menu as a text: the captions, "-" for a separator, the items of a submenu in brackets.
std::string MenuTree(std::span<const MenuEntry> entries) {
    std::string tree;
    for (const MenuEntry& entry : entries) {
        tree += tree.empty() ? "" : "|";
        tree += entry.separator ? "-" : std::string(entry.caption) + (entry.shortcut ? "\t" : "");
        tree += entry.shortcut ? entry.shortcut : "";
        tree += entry.items.empty() ? "" : "(" + MenuTree(entry.items) + ")";
    }
    return tree;
}

TEST(MainMenu, HasTheManualsItemsAndOneSeparator) {
    EXPECT_EQ(MenuTree(MainMenu()),
              "&File(&Save settings|E&xit)|&Options(Replot after redraw|ignore intersection if distance more "
              "then (1 km|5 km|10 km|50 km|100 km|200 km)|Line thickness(1|2|3|4)|Log pair results)|&Plot|"
              "&Help(&Help\tF1|-|&About)");
}

TEST(MainWindowControls, RowsStandOneQuarterInchApart) {
    const std::pair<ControlId, int> tops[] = {
        {ControlId::CallSign0, 360},    // the first row
        {ControlId::Bearing3, 1440},    // the fourth
        {ControlId::Intersect4, 1800},  // the last
    };
    for (const auto& [id, top] : tops)
        for (const ControlLayout& control : MainWindowControls())
            if (control.id == id) EXPECT_EQ(control.top, top) << control.name;
}

}  // namespace
}  // namespace trivex::ui
