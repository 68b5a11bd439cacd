// The native main window and its logic on the simulated host, in this process: what only the
// real controls show, that is layout in pixels, fonts, styles, menus, keys and focus through the
// edit controls, the log, About, and the window's place across starts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui_test_support.h"
#include "host/sim/sim_host.h"
#include "ui/main_window.h"
#include "ui/main_window_win32.h"
#include "ui/platform_win32.h"

namespace trivex::test {
namespace {

using ui::Command;
using ui::ControlId;

// The Windows services, but with the program's files in a folder of the test, the host's
// folder where the build put the stand-in host executable, and the process kept alive.
class TestPlatform : public ui::PlatformWin32 {
  public:
    std::string ProgramFolder() override { return folder.Path(); }
    std::string ExeName() override { return "Trivex"; }
    ui::HostFolderRead ReadHostFolder() override {
        return {WindowsPath(TRIVEX_STANDIN_FOLDER), std::nullopt};
    }
    void EndProcess() override {}
    void ShellOpen(const std::string& target, bool ownedByDesktop) override {
        opened.push_back(target + (ownedByDesktop ? " (desktop)" : ""));
    }

    TemporaryFolder folder;
    std::vector<std::string> opened;
};

class GuiTest : public ::testing::Test {
  protected:
    // Creates the window and its logic, after the end of any earlier ones, and runs start-up;
    // false when start-up ended the program.
    bool Start() {
        logic_.reset();
        window_ = std::make_unique<ui::MainWindowWin32>(GetModuleHandleA(nullptr), [this] { ++beeps_; });
        logic_ = std::make_unique<ui::MainWindow>(*window_, platform_, host_);
        window_->Attach(*logic_);
        platform_.SetMainWindow(window_->Handle());
        const bool started = logic_->Startup();
        Pump();
        return started;
    }

    void Pump(std::chrono::milliseconds time = 50ms) {
        PumpFor(time, [this](MSG& message) { window_->Dispatch(message); });
    }

    void Choose(Command command) {
        PostMessageA(window_->Handle(), WM_COMMAND,
                     static_cast<WPARAM>(ui::MainWindowWin32::CommandId(command)), 0);
        Pump();
    }

    HWND Control(ControlId id) { return window_->Control(id); }
    std::string Text(ControlId id) { return WindowText(window_->Control(id)); }

    sim::SimHost host_;
    TestPlatform platform_;
    int beeps_ = 0;
    std::unique_ptr<ui::MainWindowWin32> window_;
    std::unique_ptr<ui::MainWindow> logic_;
};

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

// A place in twips, as the manual gives it, and the style of the font.
struct Twips {
    int left, top, width, height;
    const char* style;
};

// The place in pixels on the virtual display (96 DPI, 15 twips a pixel), as Placed gives it.
std::string Layout(const Twips& t) {
    return std::to_string(t.left / 15) + "," + std::to_string(t.top / 15) + " " +
           std::to_string(t.width / 15) + "x" + std::to_string(t.height / 15) + " MS Sans Serif" + t.style;
}

std::string ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return std::to_string(client.right) + "x" + std::to_string(client.bottom);
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

// The controls, menu, styles and check marks of the window; a command's check mark moves in the
// real menu.
TEST_F(GuiTest, ControlsMenuAndStyleOfTheWindow) {
    ASSERT_TRUE(Start());
    ASSERT_EQ(window_->Dpi(), 96);
    const HWND main = window_->Handle();
    using enum ControlId;
    const std::pair<ControlId, Twips> controls[] = {
        {Label1, {120, 120, 1095, 255, " bold"}},     {Label2, {1680, 120, 2055, 255, " bold"}},
        {Label3, {3720, 120, 2055, 255, " bold"}},    {CallSign0, {120, 360, 1215, 285, " bold"}},
        {CallSign4, {120, 1800, 1215, 285, " bold"}}, {Bearing3, {1680, 1440, 1575, 285, ""}},
        {Intersect4, {3720, 1800, 2175, 285, ""}},    {Label4, {120, 2880, 855, 255, " bold"}},
        {Solution, {1080, 2880, 1935, 285, ""}},      {ObjectLabel, {3360, 2760, 2655, 495, " bold"}},
        {Status, {120, 3360, 5775, 855, ""}},
    };
    for (const auto& [id, twips] : controls)
        EXPECT_EQ(Placed(Control(id)), Layout(twips)) << static_cast<int>(id);
    EXPECT_EQ(ClientSize(main), "405x297");  // 6075 x 4455 twips
    EXPECT_EQ(
        MenuTree(window_->Menu()),
        "&File(&Save settings|E&xit)|&Options(Replot after redraw|ignore intersection if distance more then "
        "(1 km|5 km|10 km|50 km|100 km|200 km)|Line thickness(1|2|3|4)|Log pair results)|&Plot|"
        "&Help(&Help\tF1|-|&About)");
    // A fixed single border and only a minimise button, always on top; the log scrolls both ways.
    const LONG_PTR style = GetWindowLongPtrA(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), WS_MINIMIZEBOX);
    EXPECT_TRUE(GetWindowLongPtrA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const LONG_PTR logStyle = GetWindowLongPtrA(Control(Status), GWL_STYLE);
    EXPECT_EQ(logStyle & (WS_HSCROLL | WS_VSCROLL | ES_MULTILINE), WS_HSCROLL | WS_VSCROLL | ES_MULTILINE);

    auto checked = [&](Command item) {
        return (GetMenuState(window_->Menu(), static_cast<UINT>(ui::MainWindowWin32::CommandId(item)),
                             MF_BYCOMMAND) &
                MF_CHECKED) != 0;
    };
    EXPECT_TRUE(checked(ui::IgnoreItem(1))) << "the first start's setting";
    Choose(ui::IgnoreItem(4));
    EXPECT_TRUE(checked(ui::IgnoreItem(4)) && !checked(ui::IgnoreItem(1)));
}

// Tab follows the boxes' tab index and focus comes back to where it was; keys reach the logic
// through the real edit control, and Enter and F1 pass the window's dialog keys to the box.
TEST_F(GuiTest, TabOrderFocusAndKeysOfTheEditControls) {
    ASSERT_TRUE(Start());
    using enum ControlId;
    // The log, the solution, then row 0 from the right, then the call-signs, the bearings and
    // the intersections of rows 1 to 4.
    const ControlId tabOrder[] = {Status,    Solution,   Intersect0, Bearing0,   CallSign0,  CallSign1,
                                  CallSign2, CallSign3,  CallSign4,  Bearing1,   Bearing2,   Bearing3,
                                  Bearing4,  Intersect1, Intersect2, Intersect3, Intersect4, Status};
    EXPECT_EQ(GetFocus(), Control(Status)) << "the log is first in tab order";
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        EXPECT_EQ(GetNextDlgTabItem(window_->Handle(), Control(tabOrder[i - 1]), FALSE), Control(tabOrder[i]))
            << "after " << static_cast<int>(tabOrder[i - 1]);
    const HWND box = Control(CallSign1);
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

    // Upper-cased, the slash refused with a beep, and no more than nine characters in a box.
    SetWindowTextA(box, "");
    for (const char key : std::string("a/bcdefghijkl")) PostMessageA(box, WM_CHAR, key, 1);
    Pump();
    EXPECT_EQ(Text(CallSign1), "ABCDEFGHI");
    EXPECT_EQ(beeps_, 1);
    host_.TakeJournal();
    PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    Pump();
    EXPECT_FALSE(host_.Journal().empty()) << "Enter plots";
    PostMessageA(box, WM_KEYDOWN, VK_F1, 0x003B0001);
    Pump();
    EXPECT_THAT(platform_.opened, testing::ElementsAre(platform_.folder.File("Trivex.html") + " (desktop)"));
}

// A host event is only queued by the call that delivers it: the beacon's plot runs later,
// from the window's message loop, in the order the events came.
TEST_F(GuiTest, HostEventsRunFromTheMessageLoopNotInsideTheDeliveringCall) {
    ASSERT_TRUE(Start());
    host_.TakeJournal();
    logic_->HostEventSink().NotifyBeacon("NOCALL1", 1.0f, 2.0f);  // a row's call-sign
    logic_->HostEventSink().MapRedrawn();
    EXPECT_TRUE(host_.Journal().empty()) << "plotted inside the delivering call";
    Pump();
    const std::string log = Text(ControlId::Status);
    EXPECT_LT(log.find("NotifyBeacon("), log.find("MapRedrawn()")) << log;
    EXPECT_FALSE(host_.Journal().empty()) << "no plot for the beacon";
}

// The close box and the end of the Windows session (log-off, shut-down) run the program's
// shut-down, which empties the list file; being asked whether the session may end is not an end.
TEST_F(GuiTest, CloseBoxAndEndOfTheWindowsSessionShutDown) {
    for (const UINT message : {WM_CLOSE, WM_ENDSESSION}) {
        WriteWholeFile(platform_.folder.File("Trivex.LST"), "entries");
        ASSERT_TRUE(Start());
        EXPECT_TRUE(SendMessageA(window_->Handle(), WM_QUERYENDSESSION, 0, 0));
        EXPECT_FALSE(logic_->Ended());
        SendMessageA(window_->Handle(), message, TRUE, 0);
        EXPECT_TRUE(logic_->Ended()) << message;
        EXPECT_EQ(ReadWholeFile(platform_.folder.File("Trivex.LST")), "") << message;
    }
}

// Save writes the real window's place (15 twips a pixel) and state; the next start shows the
// window there again.
TEST_F(GuiTest, SaveRoundTripsPositionAndMinimisedState) {
    ASSERT_TRUE(Start());
    SetWindowPos(window_->Handle(), nullptr, 150, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(window_->Handle(), SW_MINIMIZE);
    Pump();
    Choose(Command::FileSave);
    const std::string saved = ReadWholeFile(platform_.folder.File("Trivex.INI")).value_or("");
    for (const char* line : {"LEFT=2250\r\n", "TOP=1800\r\n", "MINIMIZED=TRUE\r\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " missing in:\n" << saved;
    ASSERT_TRUE(Start());
    EXPECT_TRUE(IsIconic(window_->Handle())) << "comes back minimised";
    ShowWindow(window_->Handle(), SW_RESTORE);
    Pump();
    RECT rect;
    GetWindowRect(window_->Handle(), &rect);
    EXPECT_EQ(std::to_string(rect.left) + "," + std::to_string(rect.top), "150,120");
}

// The lines wait for the box until the handler is done: the cut counts them, and the caret
// stands after them.
TEST_F(GuiTest, LogIsCutToItsLast10000CharactersAbove15000) {
    ASSERT_TRUE(Start());
    const std::string line = "NotifyBeacon(NOBODY, 1, 2)\r\n";
    SetWindowTextA(Control(ControlId::Status), (std::string(15000, 'x') + "E").c_str());
    host_.FireNotifyBeacon("NOBODY", 1.0f, 2.0f);
    Pump();
    const std::string text = Text(ControlId::Status);
    EXPECT_EQ(text.size(), 10000 + line.size());
    EXPECT_TRUE(text.ends_with("E" + line)) << text.substr(text.size() - 40);
    DWORD start = 0, end = 0;
    SendMessageA(Control(ControlId::Status), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end, text.size());
}

TEST_F(GuiTest, AboutOpensOnceWithItsLayoutAndLinkAndClosesWithOk) {
    ASSERT_TRUE(Start());
    Choose(Command::About);
    const ui::AboutWindowWin32* about = window_->About();
    ASSERT_NE(about, nullptr);
    const HWND handle = about->Handle();
    const std::pair<const char*, Twips> controls[] = {
        {"Label1", {840, 0, 5295, 375, " bold"}},
        {"Label3", {840, 960, 5295, 735, ""}},
        {"lblWebURL", {840, 2040, 5055, 255, " underlined"}},
        {"Label4", {120, 2400, 735, 255, " bold"}},
        {"Label6", {840, 3000, 4095, 855, ""}},
        {"Command1", {5280, 3480, 975, 375, " bold"}},
    };
    for (const auto& [name, twips] : controls) EXPECT_EQ(Placed(about->Control(name)), Layout(twips)) << name;
    EXPECT_EQ(ClientSize(handle), "424x268");  // 6360 x 4020 twips
    // From the program's version information.
    EXPECT_EQ(WindowText(about->Control("Label5")), "Copyright (C) 2026 the Trivex developers");
    // Centred, always on top, not modal, and a window of its own that stays when the main one is minimised.
    RECT rect;
    GetWindowRect(handle, &rect);
    EXPECT_NEAR(rect.left, (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, 1);
    EXPECT_NEAR(rect.top, (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, 1);
    EXPECT_TRUE(GetWindowLongPtrA(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowEnabled(window_->Handle()));
    EXPECT_EQ(GetWindow(handle, GW_OWNER), nullptr);
    // A picture for a person to look at; the test script turns it into a PNG file.
    if (const std::string shots = Environment("TRIVEX_SHOTS"); !shots.empty()) {
        Pump(300ms);
        EXPECT_TRUE(SaveWindowPicture(handle, WindowsPath(shots) + "\\about-window.bmp"));
    }

    // The link shows the hand and opens the browser.
    const HWND link = about->Control("lblWebURL");
    SendMessageA(handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    PostMessageA(handle, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link), STN_CLICKED),
                 reinterpret_cast<LPARAM>(link));
    Pump();
    EXPECT_THAT(platform_.opened, testing::ElementsAre(kWebAddress));

    // A second About keeps the open window as it is; OK closes it.
    SetWindowTextA(handle, "changed");
    Choose(Command::About);
    EXPECT_EQ(window_->AboutHandle(), handle);
    EXPECT_EQ(WindowText(handle), "changed");
    PostMessageA(handle, WM_COMMAND, IDOK, 0);
    Pump();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(logic_->AboutOpen());
}

}  // namespace
}  // namespace trivex::test
