// The native main window on the simulated host: what only the real controls show, that is
// layout in pixels, fonts, styles, menus, keys through the edit controls, the log and About.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "gui_fixture.h"

namespace trivex::test {
namespace {

using ui::Command;
using ui::ControlId;

// A control's place in its parent's client area and its font, as "left,top widthxheight font".
std::string Placed(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
           "x" + std::to_string(r.bottom - r.top) + " " + font.lfFaceName +
           (font.lfWeight >= FW_BOLD ? " bold" : "") + (font.lfUnderline ? " underlined" : "");
}

std::string Pixels(int dpi, int twips) {
    return std::to_string(MulDiv(twips, dpi, 1440));
}

// A place in twips, as the manual gives it, with the font.
struct Twips {
    int left, top, width, height;
    bool bold;
    bool underlined = false;
};

std::string Layout(int dpi, const Twips& t) {
    return Pixels(dpi, t.left) + "," + Pixels(dpi, t.top) + " " + Pixels(dpi, t.width) + "x" +
           Pixels(dpi, t.height) + " MS Sans Serif" + (t.bold ? " bold" : "") +
           (t.underlined ? " underlined" : "");
}

std::string ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return std::to_string(client.right) + "x" + std::to_string(client.bottom);
}

using GuiMainWindowTest = GuiTest;

TEST_F(GuiMainWindowTest, ControlsStyleAndTabOrderOfTheWindow) {
    ASSERT_TRUE(Start());
    const HWND main = window_->Handle();
    const int dpi = window_->Dpi();
    using enum ControlId;
    const std::pair<ControlId, Twips> controls[] = {
        {Label1, {120, 120, 1095, 255, true}},        {Label2, {1680, 120, 2055, 255, true}},
        {Label3, {3720, 120, 2055, 255, true}},       {CallSign0, {120, 360, 1215, 285, true}},
        {CallSign4, {120, 1800, 1215, 285, true}},    {Bearing0, {1680, 360, 1575, 285, false}},
        {Bearing3, {1680, 1440, 1575, 285, false}},   {Intersect0, {3720, 360, 2175, 285, false}},
        {Intersect4, {3720, 1800, 2175, 285, false}}, {Label4, {120, 2880, 855, 255, true}},
        {Solution, {1080, 2880, 1935, 285, false}},   {ObjectLabel, {3360, 2760, 2655, 495, true}},
        {Status, {120, 3360, 5775, 855, false}},
    };
    for (const auto& [id, twips] : controls)
        EXPECT_EQ(Placed(window_->Control(id)), Layout(dpi, twips)) << static_cast<int>(id);
    EXPECT_EQ(ClientSize(main), Pixels(dpi, 6075) + "x" + Pixels(dpi, 4455));
    EXPECT_EQ(WindowText(main), "UI-View32 add-on TrivexV1.4.2");
    // A fixed single border and only a minimise button, always on top; the log scrolls both ways.
    const LONG_PTR style = GetWindowLongPtrA(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), WS_MINIMIZEBOX);
    EXPECT_TRUE(GetWindowLongPtrA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const LONG_PTR logStyle = GetWindowLongPtrA(window_->Control(Status), GWL_STYLE);
    EXPECT_EQ(logStyle & (WS_HSCROLL | WS_VSCROLL | ES_MULTILINE), WS_HSCROLL | WS_VSCROLL | ES_MULTILINE);
    // The Tab key follows the boxes' tab index: the log, the solution, then row 0 from the
    // right, then the call-signs, the bearings and the intersections of rows 1 to 4.
    const ControlId tabOrder[] = {Status,    Solution,   Intersect0, Bearing0,   CallSign0,  CallSign1,
                                  CallSign2, CallSign3,  CallSign4,  Bearing1,   Bearing2,   Bearing3,
                                  Bearing4,  Intersect1, Intersect2, Intersect3, Intersect4, Status};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        EXPECT_EQ(GetNextDlgTabItem(main, window_->Control(tabOrder[i - 1]), FALSE),
                  window_->Control(tabOrder[i]))
            << "after " << static_cast<int>(tabOrder[i - 1]);
}

// The menu as a text: the captions, "-" for a separator, the items of a submenu in brackets.
std::string MenuTree(HMENU menu) {
    std::string tree;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const HMENU sub = GetSubMenu(menu, i);
        const bool separator =
            !sub && (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR);
        tree += (i ? "|" : "") + std::string(separator ? "-" : text) + (sub ? "(" + MenuTree(sub) + ")" : "");
    }
    return tree;
}

// The checked items of the Options menu: "I" ignore distance and "T" line thickness with their
// item numbers, "R" replot, "L" log pair results.
std::string CheckMarks(HMENU menu) {
    auto checked = [menu](Command command) {
        return (GetMenuState(menu, static_cast<UINT>(ui::MainWindowWin32::CommandId(command)), MF_BYCOMMAND) &
                MF_CHECKED) != 0;
    };
    std::string marks;
    for (int n = 1; n <= ui::kIgnoreItems; ++n)
        marks += checked(ui::IgnoreItem(n)) ? "I" + std::to_string(n) : "";
    for (int n = 1; n <= ui::kThicknessItems; ++n)
        marks += checked(ui::ThicknessItem(n)) ? " T" + std::to_string(n) : "";
    return marks + (checked(Command::OptionsReplot) ? " R" : "") +
           (checked(Command::OptionsLogPairs) ? " L" : "");
}

TEST_F(GuiMainWindowTest, MenuCaptionsAndCheckMarksAfterTheCommands) {
    ASSERT_TRUE(Start());
    const HMENU bar = window_->Menu();
    EXPECT_EQ(
        MenuTree(bar),
        "&File(&Save settings|E&xit)|&Options(Replot after redraw|ignore intersection if distance more then "
        "(1 km|5 km|10 km|50 km|100 km|200 km)|Line thickness(1|2|3|4)|Log pair results)|&Plot|"
        "&Help(&Help\tF1|-|&About)");
    EXPECT_EQ(CheckMarks(bar), "I1 T1");  // the first start's settings
    const std::pair<Command, const char*> commands[] = {
        {ui::IgnoreItem(4), "I4 T1"},        {ui::ThicknessItem(3), "I4 T3"},
        {Command::OptionsReplot, "I4 T3 R"}, {ui::IgnoreItem(6), "I6 T3 R"},
        {Command::OptionsReplot, "I6 T3"},   {Command::OptionsLogPairs, "I6 T3 L"},
    };
    for (const auto& [command, marks] : commands) {
        Choose(command);
        EXPECT_EQ(CheckMarks(bar), marks);
    }
}

// Keys reach the logic through the real edit control; Enter and F1 pass the window's dialog keys
// on their way to the box.
TEST_F(GuiMainWindowTest, KeysInACallSignBoxAreFilteredAndEnterPlotsAndF1OpensTheHelp) {
    ASSERT_TRUE(Start());
    const std::tuple<const char*, const char*, int> cases[] = {
        {"a", "A", 0},                     // lower case arrives upper case
        {"a/b", "AB", 1},                  // refused with a beep
        {"ab\b", "A", 0},                  // Backspace reaches the box
        {"abcdefghijkl", "ABCDEFGHI", 0},  // a box holds nine characters
    };
    for (const auto& [keys, text, beeps] : cases) {
        SetWindowTextA(window_->Control(ui::CallSignBox(1)), "");
        beeps_ = 0;
        TypeInto(1, keys);
        EXPECT_EQ(Text(ui::CallSignBox(1)), text) << keys;
        EXPECT_EQ(beeps_, beeps) << keys;
    }

    Choose(ui::IgnoreItem(4));  // 50 km: the stations stand 15 to 25 km from the transmitter
    for (int row = 2; row < 5; ++row) SetWindowTextA(window_->Control(ui::CallSignBox(row)), "");
    SetWindowTextA(window_->Control(ui::CallSignBox(0)), "G4DFA");
    SetWindowTextA(window_->Control(ui::CallSignBox(1)), "G3RDF");
    PostMessageA(window_->Control(ui::CallSignBox(1)), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    Pump();
    EXPECT_EQ(beeps_, 0);
    EXPECT_EQ(Text(ui::CallSignBox(1)), "G3RDF");
    EXPECT_EQ(Text(ui::BearingBox(0)) + ", " + Text(ui::BearingBox(1)), "137 deg +/-4, 236 deg +/-6");
    EXPECT_EQ(Text(ControlId::Label3), "1 intersections");

    PostMessageA(window_->Control(ui::CallSignBox(0)), WM_KEYDOWN, VK_F1, 0x003B0001);
    Pump();
    EXPECT_THAT(platform_.opened, testing::ElementsAre(folder_.File("Trivex.html") + " (desktop)"));
}

// A host event is only queued by the call that delivers it: the beacon's plot runs later,
// from the window's message loop, in the order the events came.
TEST_F(GuiMainWindowTest, HostEventsRunFromTheMessageLoopNotInsideTheDeliveringCall) {
    ASSERT_TRUE(Start());
    host_.TakeJournal();
    logic_->HostEventSink().NotifyBeacon("NOCALL1", 1.0f, 2.0f);  // a row's call-sign
    logic_->HostEventSink().MapRedrawn();
    EXPECT_TRUE(host_.Journal().empty()) << "plotted inside the delivering call";
    EXPECT_EQ(Text(ControlId::Status).find("NotifyBeacon("), std::string::npos);
    Pump();
    const std::string log = Text(ControlId::Status);
    EXPECT_LT(log.find("NotifyBeacon("), log.find("MapRedrawn()")) << log;
    EXPECT_FALSE(host_.Journal().empty()) << "no plot for the beacon";
}

TEST_F(GuiMainWindowTest, FocusStartsOnTheFirstTabStopAndComesBackToWhereItWas) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(GetFocus(), window_->Control(ControlId::Status)) << "the log is first in tab order";
    const HWND box = window_->Control(ui::CallSignBox(2));
    SetFocus(box);
    const HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                       nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    Pump();
    EXPECT_NE(GetFocus(), box);
    SetActiveWindow(window_->Handle());
    Pump();
    EXPECT_EQ(GetFocus(), box);
    DestroyWindow(other);
}

// Log-off or shut-down of Windows runs the program's shut-down, as Exit does.
TEST_F(GuiMainWindowTest, EndOfTheWindowsSessionShutsDown) {
    ASSERT_TRUE(Start());
    WriteWholeFile(folder_.File("Trivex.LST"), "entries");
    EXPECT_TRUE(SendMessageA(window_->Handle(), WM_QUERYENDSESSION, 0, 0));
    EXPECT_FALSE(logic_->Ended()) << "asking is not yet ending";
    SendMessageA(window_->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(logic_->Ended());
    EXPECT_EQ(ReadWholeFile(folder_.File("Trivex.LST")), "");
}

TEST_F(GuiMainWindowTest, LogIsCutToItsLast10000CharactersAbove15000) {
    ASSERT_TRUE(Start());
    const std::string line = "NotifyBeacon(NOBODY, 1, 2)\r\n";
    const std::pair<size_t, size_t> cases[] = {{15000, 15000 + line.size()}, {15001, 10000 + line.size()}};
    for (const auto& [before, after] : cases) {
        std::string log(before, 'x');
        log.back() = 'E';  // the cut keeps the end
        SetWindowTextA(window_->Control(ControlId::Status), log.c_str());
        host_.FireNotifyBeacon("NOBODY", 1.0f, 2.0f);
        Pump();
        const std::string text = Text(ControlId::Status);
        EXPECT_EQ(text.size(), after) << before;
        EXPECT_TRUE(text.ends_with("E" + line)) << text.substr(text.size() - 40);
        DWORD start = 0, end = 0;
        SendMessageA(window_->Control(ControlId::Status), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(end, text.size()) << "the caret stands after the new text";
    }
}

TEST_F(GuiMainWindowTest, AboutOpensOnceWithItsLayoutTextsAndLinkAndClosesWithOk) {
    ASSERT_TRUE(Start());
    Choose(Command::About);
    const ui::AboutWindowWin32* about = window_->About();
    ASSERT_NE(about, nullptr);
    const HWND handle = about->Handle();
    const int dpi = window_->Dpi();
    const std::pair<const char*, Twips> controls[] = {
        {"Label1", {840, 0, 5295, 375, true}},
        {"Label3", {840, 960, 5295, 735, false}},
        {"lblWebURL", {840, 2040, 5055, 255, false, true}},
        {"Label4", {120, 2400, 735, 255, true}},
        {"Label6", {840, 3000, 4095, 855, false}},
        {"Command1", {5280, 3480, 975, 375, true}},
    };
    for (const auto& [name, twips] : controls)
        EXPECT_EQ(Placed(about->Control(name)), Layout(dpi, twips)) << name;
    EXPECT_EQ(ClientSize(handle), Pixels(dpi, 6360) + "x" + Pixels(dpi, 4020));
    const std::pair<const char*, const char*> texts[] = {
        {"Label2", "written by Morven Ashby"},
        {"Label5", "Copyright (C) 2026 the Trivex developers"},  // the program's version information
        {"lblWebURL", kWebAddress},
        {"Command1", "&OK"},
    };
    for (const auto& [name, text] : texts) EXPECT_EQ(WindowText(about->Control(name)), text) << name;
    EXPECT_EQ(WindowText(handle), "About UI-View32 add-on TrivexV1.4.2");
    EXPECT_TRUE(GetWindowLongPtrA(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT rect;
    GetWindowRect(handle, &rect);
    EXPECT_NEAR(rect.left, (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, 1) << "centred";
    EXPECT_NEAR(rect.top, (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, 1) << "centred";
    EXPECT_TRUE(IsWindowEnabled(window_->Handle())) << "not modal";
    // A window of its own: minimising the main window leaves it on the screen.
    EXPECT_EQ(GetWindow(handle, GW_OWNER), nullptr);
    ShowWindow(window_->Handle(), SW_MINIMIZE);
    Pump();
    EXPECT_TRUE(IsWindowVisible(handle));
    ShowWindow(window_->Handle(), SW_RESTORE);

    // The link shows the hand and opens the browser.
    const HWND link = about->Control("lblWebURL");
    SendMessageA(handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    PostMessageA(handle, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link), STN_CLICKED),
                 reinterpret_cast<LPARAM>(link));
    Pump();
    EXPECT_THAT(platform_.opened, testing::ElementsAre(kWebAddress));

    // A second About changes nothing; OK closes it.
    SetWindowTextA(handle, "changed");
    Choose(Command::About);
    EXPECT_EQ(CountThreadWindows(ui::AboutWindowWin32::kClassName), 1);
    EXPECT_EQ(WindowText(window_->AboutHandle()), "changed");
    PostMessageA(handle, WM_COMMAND, IDOK, 0);
    Pump();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(logic_->AboutOpen());
}

}  // namespace
}  // namespace trivex::test
