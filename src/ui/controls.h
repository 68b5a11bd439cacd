// The main window's controls and menu commands, and where they stand (twips).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace trivex::ui {

enum class ControlId {
    CallSignsHeading,
    BearingsHeading,
    IntersectionCount,
    CallSign0,
    CallSign1,
    CallSign2,
    CallSign3,
    CallSign4,
    Bearing0,
    Bearing1,
    Bearing2,
    Bearing3,
    Bearing4,
    Intersect0,
    Intersect1,
    Intersect2,
    Intersect3,
    Intersect4,
    SolutionHeading,
    Solution,
    ObjectLabel,
    Status,
};

[[nodiscard]] inline ControlId CallSignBox(int row) {
    return static_cast<ControlId>(static_cast<int>(ControlId::CallSign0) + row);
}
[[nodiscard]] inline ControlId BearingBox(int row) {
    return static_cast<ControlId>(static_cast<int>(ControlId::Bearing0) + row);
}
[[nodiscard]] inline ControlId IntersectBox(int row) {
    return static_cast<ControlId>(static_cast<int>(ControlId::Intersect0) + row);
}

enum class ControlKind { Label, TextBox, LogBox };

struct ControlLayout {
    ControlId id;
    const char* name;
    ControlKind kind;
    int left, top, width, height;  // twips, in the client area
    int tabIndex;
    bool bold;
    const char* initialText;
};

// Every control of the main window, in the order of this table's rows.
[[nodiscard]] std::span<const ControlLayout> MainWindowControls();

inline constexpr int kClientWidthTwips = 6075;
inline constexpr int kClientHeightTwips = 4455;
inline constexpr int kCallSignMaxLength = 9;

enum class Command {
    FileSave,
    FileExit,
    OptionsReplot,
    OptionsLogPairs,
    OptionsShowEstimate,
    Ignore1,
    Ignore2,
    Ignore3,
    Ignore4,
    Ignore5,
    Ignore6,
    Thickness1,
    Thickness2,
    Thickness3,
    Thickness4,
    Plot,
    HelpHelp,
    About,
};

inline constexpr int kIgnoreItems = 6;
inline constexpr int kThicknessItems = 4;
[[nodiscard]] inline Command IgnoreItem(int n) {
    return static_cast<Command>(static_cast<int>(Command::Ignore1) + n - 1);
}
[[nodiscard]] inline Command ThicknessItem(int n) {
    return static_cast<Command>(static_cast<int>(Command::Thickness1) + n - 1);
}

// The menu bar as a tree: top-level menus, each with items; a top-level entry without
// items is itself a command. Captions use "&" for the access key.
struct MenuEntry {
    const char* name;
    const char* caption;
    Command command;  // for items and item-less top-level entries
    bool separator = false;
    const char* shortcut = nullptr;  // shown after a tab, e.g. "F1"
    std::span<const MenuEntry> items = {};
};

[[nodiscard]] std::span<const MenuEntry> MainMenu();

// The caption of an ignore-distance item, "1 km" .. "200 km".
[[nodiscard]] std::string IgnoreItemCaption(int n);

}  // namespace trivex::ui
