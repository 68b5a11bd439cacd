// The native main window on the simulated host: layout, menus, keys, the log and About.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "gui_fixture.h"
#include "ui/win32/layout_win32.h"

namespace trivex::test {
namespace {

using ui::Command;
using ui::ControlId;
using ui::MainWindowWin32;

RECT ClientRectOf(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LOGFONTA FontOf(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string MenuText(HMENU menu, UINT position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

bool IsChecked(HMENU menu, Command command) {
    return (GetMenuState(menu, static_cast<UINT>(MainWindowWin32::CommandId(command)), MF_BYCOMMAND) &
            MF_CHECKED) != 0;
}

using GuiMainWindowTest = GuiTest;

TEST_F(GuiMainWindowTest, ControlsStandWhereTheLayoutSaysInPixelsForTheDpi) {
    ASSERT_TRUE(Start());
    const int dpi = window_->Dpi();
    auto px = [dpi](int twips) { return win32::TwipsToPixels(twips, dpi); };
    for (const ui::ControlLayout& layout : ui::MainWindowControls()) {
        SCOPED_TRACE(layout.name);
        const HWND control = window_->Control(layout.id);
        ASSERT_NE(control, nullptr);
        const RECT rect = ClientRectOf(control);
        EXPECT_EQ(rect.left, px(layout.left));
        EXPECT_EQ(rect.top, px(layout.top));
        EXPECT_EQ(rect.right - rect.left, px(layout.width));
        EXPECT_EQ(rect.bottom - rect.top, px(layout.height));
        EXPECT_EQ(ClassOf(control), layout.kind == ui::ControlKind::Label ? "Static" : "Edit");
        const LOGFONTA font = FontOf(control);
        EXPECT_EQ(font.lfWeight >= FW_BOLD, layout.bold);
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    }
    RECT client;
    GetClientRect(window_->Handle(), &client);
    EXPECT_EQ(client.right, px(ui::kClientWidthTwips));
    EXPECT_EQ(client.bottom, px(ui::kClientHeightTwips));
}

TEST_F(GuiMainWindowTest, StartUpFillsCaptionRowsAndInitialTextsAndStaysOnTop) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(WindowText(window_->Handle()), "UI-View32 add-on TrivexV1.4.2");
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(Text(ui::CallSignBox(row)), "NOCALL" + std::to_string(row + 1));
        EXPECT_EQ(Text(ui::BearingBox(row)), "no data");  // the host does not know NOCALLn
        EXPECT_EQ(Text(ui::IntersectBox(row)), "N/A");
    }
    EXPECT_EQ(Text(ControlId::Label1), "Call-signs");
    EXPECT_EQ(Text(ControlId::Label2), "Bearing +/- Accuracy");
    EXPECT_EQ(Text(ControlId::Label3), "first 5 Intersections");
    EXPECT_EQ(Text(ControlId::Label4), "Solution");
    EXPECT_EQ(Text(ControlId::Solution), "N/A");
    EXPECT_EQ(Text(ControlId::ObjectLabel), "-");
    const LONG_PTR style = GetWindowLongPtrA(window_->Handle(), GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(window_->Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "no maximise button";
    EXPECT_FALSE(style & WS_THICKFRAME) << "a fixed single border";
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    const LONG_PTR logStyle = GetWindowLongPtrA(window_->Control(ControlId::Status), GWL_STYLE);
    EXPECT_TRUE((logStyle & WS_HSCROLL) && (logStyle & WS_VSCROLL) && (logStyle & ES_MULTILINE));
}

TEST_F(GuiMainWindowTest, TabKeyFollowsTheTabIndexOfTheBoxes) {
    ASSERT_TRUE(Start());
    std::vector<ui::ControlLayout> boxes;
    for (const auto& layout : ui::MainWindowControls()) {
        if (layout.kind != ui::ControlKind::Label) boxes.push_back(layout);
    }
    std::ranges::sort(boxes, {}, &ui::ControlLayout::tabIndex);
    HWND current = window_->Control(boxes.front().id);
    for (size_t i = 1; i < boxes.size(); ++i) {
        current = GetNextDlgTabItem(window_->Handle(), current, FALSE);
        EXPECT_EQ(current, window_->Control(boxes[i].id))
            << "after " << boxes[i - 1].name << " expected " << boxes[i].name;
    }
}

TEST_F(GuiMainWindowTest, MenuBarHasTheCaptionsShortcutAndSeparator) {
    ASSERT_TRUE(Start());
    const HMENU bar = window_->Menu();
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    EXPECT_EQ(MenuText(bar, 0), "&File");
    EXPECT_EQ(MenuText(bar, 1), "&Options");
    EXPECT_EQ(MenuText(bar, 2), "&Plot");
    EXPECT_EQ(GetSubMenu(bar, 2), nullptr) << "Plot is a command of its own";
    EXPECT_EQ(MenuText(bar, 3), "&Help");
    const HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(MenuText(file, 0), "&Save settings");
    EXPECT_EQ(MenuText(file, 1), "E&xit");
    const HMENU options = GetSubMenu(bar, 1);
    EXPECT_EQ(MenuText(options, 0), "Replot after redraw");
    EXPECT_EQ(MenuText(options, 1), "ignore intersection if distance more then ");
    EXPECT_EQ(MenuText(options, 2), "Line thickness");
    EXPECT_EQ(MenuText(GetSubMenu(options, 1), 5), "200 km");
    EXPECT_EQ(MenuText(GetSubMenu(options, 2), 3), "4");
    const HMENU help = GetSubMenu(bar, 3);
    EXPECT_EQ(MenuText(help, 0), "&Help\tF1");
    EXPECT_EQ(GetMenuState(help, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(MenuText(help, 2), "&About");
}

TEST_F(GuiMainWindowTest, F1OpensTheHelpPageOwnedByTheDesktop) {
    ASSERT_TRUE(Start());
    const HWND box = window_->Control(ui::CallSignBox(0));
    PostMessageA(box, WM_KEYDOWN, VK_F1, 0x003B0001);
    Pump();
    EXPECT_THAT(platform_.opened, testing::ElementsAre(folder_.File("Trivex.html") + " (desktop)"));
}

TEST_F(GuiMainWindowTest, OptionsCommandsMoveTheCheckMarks) {
    ASSERT_TRUE(Start());
    const HMENU menu = window_->Menu();
    // At the first start: 1 km, line thickness 1, no replot.
    EXPECT_TRUE(IsChecked(menu, ui::IgnoreItem(1)));
    EXPECT_TRUE(IsChecked(menu, ui::ThicknessItem(1)));
    EXPECT_FALSE(IsChecked(menu, Command::OptionsReplot));
    struct Case {
        const char* what;
        Command command;
        int ignoreChecked, thicknessChecked;
        bool replotChecked;
    } cases[] = {
        {"50 km", ui::IgnoreItem(4), 4, 1, false},
        {"thickness 3", ui::ThicknessItem(3), 4, 3, false},
        {"replot on", Command::OptionsReplot, 4, 3, true},
        {"200 km", ui::IgnoreItem(6), 6, 3, true},
        {"replot off again", Command::OptionsReplot, 6, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Choose(c.command);
        for (int n = 1; n <= ui::kIgnoreItems; ++n)
            EXPECT_EQ(IsChecked(menu, ui::IgnoreItem(n)), n == c.ignoreChecked);
        for (int n = 1; n <= ui::kThicknessItems; ++n) {
            EXPECT_EQ(IsChecked(menu, ui::ThicknessItem(n)), n == c.thicknessChecked);
        }
        EXPECT_EQ(IsChecked(menu, Command::OptionsReplot), c.replotChecked);
    }
}

TEST_F(GuiMainWindowTest, KeysTypedIntoACallSignBoxAreFilteredAndUpperCased) {
    ASSERT_TRUE(Start());
    struct Case {
        const char* keys;
        const char* text;
        int beeps;
    } cases[] = {
        {"a", "A", 0},                     // lower case arrives upper case
        {"/", "", 1},                      // refused with a beep
        {" ", "", 1},                      // a blank too
        {"g4.-9", "G4.-9", 0},             // digits, "." and "-" pass
        {"ab\b", "A", 0},                  // Backspace deletes
        {"abcdefghijkl", "ABCDEFGHI", 0},  // a box holds nine characters
        {"a/b", "AB", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        SetWindowTextA(window_->Control(ui::CallSignBox(1)), "");
        beeps_ = 0;
        TypeInto(1, c.keys);
        EXPECT_EQ(Text(ui::CallSignBox(1)), c.text);
        EXPECT_EQ(beeps_, c.beeps);
    }
}

TEST_F(GuiMainWindowTest, EnterInACallSignBoxPlots) {
    ASSERT_TRUE(Start());
    Choose(ui::IgnoreItem(4));  // 50 km: the stations stand 15 to 25 km from the transmitter
    for (int row = 0; row < 5; ++row) SetWindowTextA(window_->Control(ui::CallSignBox(row)), "");
    TypeInto(0, "g4dfa");
    TypeInto(1, "g3rdf");
    host_.TakeJournal();
    // The Enter key itself, so that it passes the window's dialog keys on its way to the box.
    PostMessageA(window_->Control(ui::CallSignBox(1)), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    Pump();
    EXPECT_EQ(beeps_, 0);
    EXPECT_EQ(Text(ui::CallSignBox(1)), "G3RDF");
    EXPECT_EQ(Text(ui::BearingBox(0)), "137 deg +/-4");
    EXPECT_EQ(Text(ui::BearingBox(1)), "236 deg +/-6");
    EXPECT_NE(Text(ui::IntersectBox(0)), "N/A");
    EXPECT_NE(Text(ControlId::Solution), "N/A");
    const auto& journal = host_.Journal();
    EXPECT_TRUE(std::ranges::any_of(journal, [](const auto& entry) { return entry.call == "AddObject"; }));
}

TEST_F(GuiMainWindowTest, LogIsCutToItsLast10000CharactersAbove15000) {
    ASSERT_TRUE(Start());
    const std::string line = "NotifyBeacon(NOBODY, 1, 2)\r\n";
    struct Case {
        const char* what;
        size_t before;
        size_t after;
    } cases[] = {
        {"exactly 15000: not cut", 15000, 15000 + line.size()},
        {"15001: cut to 10000", 15001, 10000 + line.size()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string log(c.before, 'x');
        log.back() = 'E';  // the cut keeps the end
        SetWindowTextA(window_->Control(ControlId::Status), log.c_str());
        host_.FireNotifyBeacon("NOBODY", 1.0f, 2.0f);
        Pump();
        const std::string text = Text(ControlId::Status);
        EXPECT_EQ(text.size(), c.after);
        EXPECT_TRUE(text.ends_with("E" + line)) << text.substr(text.size() - 40);
        DWORD start = 0, end = 0;
        SendMessageA(window_->Control(ControlId::Status), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(end, text.size()) << "the caret stands after the new text";
    }
}

TEST_F(GuiMainWindowTest, AboutOpensOnceTopmostCentredAndClosesWithOk) {
    ASSERT_TRUE(Start());
    Choose(Command::About);
    const HWND about = window_->AboutHandle();
    ASSERT_NE(about, nullptr);
    SetWindowTextA(about, "changed");
    Choose(Command::About);
    EXPECT_EQ(CountThreadWindows(ui::AboutWindowWin32::kClassName), 1);
    EXPECT_EQ(window_->AboutHandle(), about);
    EXPECT_EQ(WindowText(about), "changed") << "a second About changes nothing";
    EXPECT_TRUE(GetWindowLongPtrA(about, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT rect;
    GetWindowRect(about, &rect);
    EXPECT_NEAR(rect.left, (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, 1);
    EXPECT_NEAR(rect.top, (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, 1);
    EXPECT_TRUE(IsWindowEnabled(window_->Handle())) << "not modal";

    PostMessageA(about, WM_COMMAND, IDOK, 0);
    Pump();
    EXPECT_FALSE(IsWindow(about));
    EXPECT_FALSE(logic_->AboutOpen());
}

TEST_F(GuiMainWindowTest, AboutShowsItsTextsInPlaceAndTheWebLinkOpensTheBrowser) {
    ASSERT_TRUE(Start());
    Choose(Command::About);
    const ui::AboutWindowWin32* about = window_->About();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(about->Handle()), "About UI-View32 add-on TrivexV1.4.2");
    const int dpi = window_->Dpi();
    auto px = [dpi](int twips) { return win32::TwipsToPixels(twips, dpi); };
    for (const AboutControl& layout : AboutControls()) {
        SCOPED_TRACE(layout.name);
        const HWND control = about->Control(layout.name);
        ASSERT_NE(control, nullptr);
        const RECT rect = ClientRectOf(control);
        EXPECT_EQ(rect.left, px(layout.left));
        EXPECT_EQ(rect.top, px(layout.top));
        EXPECT_EQ(rect.right - rect.left, px(layout.width));
        EXPECT_EQ(rect.bottom - rect.top, px(layout.height));
        const LOGFONTA font = FontOf(control);
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
        EXPECT_EQ(font.lfWeight >= FW_BOLD, layout.bold);
        EXPECT_EQ(font.lfUnderline != 0, layout.isLink);
    }
    RECT client;
    GetClientRect(about->Handle(), &client);
    EXPECT_EQ(client.right, px(kAboutClientWidthTwips));
    EXPECT_EQ(client.bottom, px(kAboutClientHeightTwips));
    EXPECT_EQ(WindowText(about->Control("Label1")), "UI-View32 add-on TrivexV1.4.2");
    EXPECT_EQ(WindowText(about->Control("Label2")), "written by Morven Ashby");
    EXPECT_EQ(WindowText(about->Control("Label5")), "Copyright (C) 2026 the Trivex developers")
        << "the legal text of the program's version information";
    EXPECT_EQ(WindowText(about->Control("lblWebURL")), kWebAddress);
    EXPECT_EQ(WindowText(about->Control("Command1")), "&OK");

    const HWND link = about->Control("lblWebURL");
    EXPECT_EQ(SendMessageA(about->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    PostMessageA(about->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link), STN_CLICKED),
                 reinterpret_cast<LPARAM>(link));
    Pump();
    EXPECT_THAT(platform_.opened, testing::ElementsAre(kWebAddress));
    EXPECT_NE(window_->About(), nullptr) << "the About window stays open";
}

}  // namespace
}  // namespace trivex::test
