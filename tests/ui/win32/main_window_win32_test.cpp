// The native main window on the simulated host: what only the real controls show, that is
// layout in pixels, fonts, styles, menus, keys through the edit controls, the log and About.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "gui_fixture.h"
#include "ui/win32/layout_win32.h"

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
    return std::to_string(win32::TwipsToPixels(twips, dpi));
}

// The same for a layout in twips at the DPI.
std::string Layout(int dpi, int left, int top, int width, int height, bool bold, bool underline = false) {
    return Pixels(dpi, left) + "," + Pixels(dpi, top) + " " + Pixels(dpi, width) + "x" + Pixels(dpi, height) +
           " MS Sans Serif" + (bold ? " bold" : "") + (underline ? " underlined" : "");
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
    std::vector<ui::ControlLayout> boxes;
    for (const ui::ControlLayout& c : ui::MainWindowControls()) {
        EXPECT_EQ(Placed(window_->Control(c.id)), Layout(dpi, c.left, c.top, c.width, c.height, c.bold))
            << c.name;
        char className[16] = {};
        GetClassNameA(window_->Control(c.id), className, sizeof className);
        EXPECT_STREQ(className, c.kind == ui::ControlKind::Label ? "Static" : "Edit") << c.name;
        if (c.kind != ui::ControlKind::Label) boxes.push_back(c);
    }
    EXPECT_EQ(ClientSize(main),
              Pixels(dpi, ui::kClientWidthTwips) + "x" + Pixels(dpi, ui::kClientHeightTwips));
    EXPECT_EQ(WindowText(main), "UI-View32 add-on TrivexV1.4.2");
    // A fixed single border and only a minimise button, always on top; the log scrolls both ways.
    const LONG_PTR style = GetWindowLongPtrA(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), WS_MINIMIZEBOX);
    EXPECT_TRUE(GetWindowLongPtrA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const LONG_PTR logStyle = GetWindowLongPtrA(window_->Control(ControlId::Status), GWL_STYLE);
    EXPECT_EQ(logStyle & (WS_HSCROLL | WS_VSCROLL | ES_MULTILINE), WS_HSCROLL | WS_VSCROLL | ES_MULTILINE);
    // The Tab key follows the boxes' tab index.
    std::ranges::sort(boxes, {}, &ui::ControlLayout::tabIndex);
    for (size_t i = 1; i < boxes.size(); ++i) {
        EXPECT_EQ(GetNextDlgTabItem(main, window_->Control(boxes[i - 1].id), FALSE),
                  window_->Control(boxes[i].id))
            << "after " << boxes[i - 1].name << " expected " << boxes[i].name;
    }
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
// item numbers, "R" replot.
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
    return marks + (checked(Command::OptionsReplot) ? " R" : "");
}

TEST_F(GuiMainWindowTest, MenuCaptionsAndCheckMarksAfterTheCommands) {
    ASSERT_TRUE(Start());
    const HMENU bar = window_->Menu();
    EXPECT_EQ(
        MenuTree(bar),
        "&File(&Save settings|E&xit)|&Options(Replot after redraw|ignore intersection if distance more then "
        "(1 km|5 km|10 km|50 km|100 km|200 km)|Line thickness(1|2|3|4))|&Plot|&Help(&Help\tF1|-|&About)");
    EXPECT_EQ(CheckMarks(bar), "I1 T1");  // the first start's settings
    const std::pair<Command, const char*> commands[] = {
        {ui::IgnoreItem(4), "I4 T1"},        {ui::ThicknessItem(3), "I4 T3"},
        {Command::OptionsReplot, "I4 T3 R"}, {ui::IgnoreItem(6), "I6 T3 R"},
        {Command::OptionsReplot, "I6 T3"},
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
    for (const AboutControl& c : AboutControls())
        EXPECT_EQ(Placed(about->Control(c.name)),
                  Layout(dpi, c.left, c.top, c.width, c.height, c.bold, c.isLink))
            << c.name;
    EXPECT_EQ(ClientSize(handle),
              Pixels(dpi, kAboutClientWidthTwips) + "x" + Pixels(dpi, kAboutClientHeightTwips));
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
