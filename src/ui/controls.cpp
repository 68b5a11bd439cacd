#include "ui/controls.h"

namespace trivex::ui {

namespace {

using enum ControlId;
using K = ControlKind;

constexpr int kRowTop = 360;
constexpr int kRowStep = 360;
constexpr int RowTop(int row) {
    return kRowTop + kRowStep * row;
}

constexpr std::array<ControlLayout, 22> kControls{{
    {CallSignsHeading, "Label1", K::Label, 120, 120, 1095, 255, 5, true, "Call-signs"},
    {BearingsHeading, "Label2", K::Label, 1680, 120, 2055, 255, 6, true, "Bearing +/- Accuracy"},
    {IntersectionCount, "Label3", K::Label, 3720, 120, 2055, 255, 7, true, "first 5 Intersections"},
    {CallSign0, "txtCallSign(0)", K::TextBox, 120, RowTop(0), 1215, 285, 4, true, ""},
    {CallSign1, "txtCallSign(1)", K::TextBox, 120, RowTop(1), 1215, 285, 10, true, ""},
    {CallSign2, "txtCallSign(2)", K::TextBox, 120, RowTop(2), 1215, 285, 11, true, ""},
    {CallSign3, "txtCallSign(3)", K::TextBox, 120, RowTop(3), 1215, 285, 12, true, ""},
    {CallSign4, "txtCallSign(4)", K::TextBox, 120, RowTop(4), 1215, 285, 13, true, ""},
    {Bearing0, "txtDF(0)", K::TextBox, 1680, RowTop(0), 1575, 285, 3, false, "N/A"},
    {Bearing1, "txtDF(1)", K::TextBox, 1680, RowTop(1), 1575, 285, 14, false, "N/A"},
    {Bearing2, "txtDF(2)", K::TextBox, 1680, RowTop(2), 1575, 285, 15, false, "N/A"},
    {Bearing3, "txtDF(3)", K::TextBox, 1680, RowTop(3), 1575, 285, 16, false, "N/A"},
    {Bearing4, "txtDF(4)", K::TextBox, 1680, RowTop(4), 1575, 285, 17, false, "N/A"},
    {Intersect0, "txtIntersect(0)", K::TextBox, 3720, RowTop(0), 2175, 285, 2, false, "N/A"},
    {Intersect1, "txtIntersect(1)", K::TextBox, 3720, RowTop(1), 2175, 285, 18, false, "N/A"},
    {Intersect2, "txtIntersect(2)", K::TextBox, 3720, RowTop(2), 2175, 285, 19, false, "N/A"},
    {Intersect3, "txtIntersect(3)", K::TextBox, 3720, RowTop(3), 2175, 285, 20, false, "N/A"},
    {Intersect4, "txtIntersect(4)", K::TextBox, 3720, RowTop(4), 2175, 285, 21, false, "N/A"},
    {SolutionHeading, "Label4", K::Label, 120, 2880, 855, 255, 8, true, "Solution"},
    {Solution, "TxtSolution", K::TextBox, 1080, 2880, 1935, 285, 1, false, "N/A"},
    {ObjectLabel, "LblObject", K::Label, 3360, 2760, 2655, 495, 9, true, "-"},
    {Status, "txtStatus", K::LogBox, 120, 3360, 5775, 855, 0, false, ""},
}};

constexpr std::array<MenuEntry, 2> kFileItems{{
    {"mnuFileSave", "&Save settings", Command::FileSave},
    {"mnuFileExit", "E&xit", Command::FileExit},
}};

constexpr std::array<MenuEntry, 6> kIgnoreItemsMenu{{
    {"mnuIgnoreDistance(1)", "1 km", Command::Ignore1},
    {"mnuIgnoreDistance(2)", "5 km", Command::Ignore2},
    {"mnuIgnoreDistance(3)", "10 km", Command::Ignore3},
    {"mnuIgnoreDistance(4)", "50 km", Command::Ignore4},
    {"mnuIgnoreDistance(5)", "100 km", Command::Ignore5},
    {"mnuIgnoreDistance(6)", "200 km", Command::Ignore6},
}};

constexpr std::array<MenuEntry, 4> kThicknessItemsMenu{{
    {"mnuLineThickness(1)", "1", Command::Thickness1},
    {"mnuLineThickness(2)", "2", Command::Thickness2},
    {"mnuLineThickness(3)", "3", Command::Thickness3},
    {"mnuLineThickness(4)", "4", Command::Thickness4},
}};

constexpr std::array<MenuEntry, 5> kOptionsItems{{
    {"mnOptionsReplot", "Replot after redraw", Command::OptionsReplot},
    {"mnuIgnore", "ignore intersection if distance more then ", Command::OptionsReplot, false, nullptr,
     kIgnoreItemsMenu},
    {"mnuLine", "Line thickness", Command::OptionsReplot, false, nullptr, kThicknessItemsMenu},
    {"mnOptionsLogPairs", "Log pair results", Command::OptionsLogPairs},
    {"mnOptionsShowEstimate", "Show best estimate", Command::OptionsShowEstimate},
}};

constexpr std::array<MenuEntry, 3> kHelpItems{{
    {"mnuHelpHelp", "&Help", Command::HelpHelp, false, "F1"},
    {"mnuHelpSep", "", Command::HelpHelp, true},
    {"mnAbout", "&About", Command::About},
}};

constexpr std::array<MenuEntry, 4> kMenuBar{{
    {"mnFile", "&File", Command::FileSave, false, nullptr, kFileItems},
    {"mnuOptions", "&Options", Command::OptionsReplot, false, nullptr, kOptionsItems},
    {"mnuPlot", "&Plot", Command::Plot},
    {"mnuHelp", "&Help", Command::HelpHelp, false, nullptr, kHelpItems},
}};

}  // namespace

std::span<const ControlLayout> MainWindowControls() {
    return kControls;
}

std::span<const MenuEntry> MainMenu() {
    return kMenuBar;
}

std::string IgnoreItemCaption(int n) {
    return kIgnoreItemsMenu.at(n - 1).caption;
}

}  // namespace trivex::ui
