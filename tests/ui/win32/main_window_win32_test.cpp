// The native main window and its logic on the simulated host, in this process: what only the
// real controls show, that is layout in pixels, fonts, styles, menus, keys and focus through the
// edit controls, the log's caret, About, and the window's place across starts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
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

std::string ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return std::to_string(client.right) + "x" + std::to_string(client.bottom);
}

// The controls, menu, styles and check marks of the window; a command's check mark moves in the
// real menu.
TEST_F(GuiTest, ControlsMenuAndStyleOfTheWindow) {
    ASSERT_TRUE(Start());
    ASSERT_EQ(window_->Dpi(), 96);
    const HWND main = window_->Handle();
    using enum ControlId;
    // A label, the last box of the last row, the log: the manual's twips in pixels on the virtual
    // display (96 DPI, 15 twips a pixel).
    const std::pair<ControlId, const char*> controls[] = {
        {CallSignsHeading, "8,8 73x17 MS Sans Serif bold"},  // 120,120 1095x255
        {Intersect4, "248,120 145x19 MS Sans Serif"},        // 3720,1800 2175x285
        {Status, "8,224 385x57 MS Sans Serif"},              // 120,3360 5775x855
    };
    for (const auto& [id, placed] : controls) EXPECT_EQ(Placed(Control(id)), placed) << static_cast<int>(id);
    EXPECT_EQ(ClientSize(main), "405x297");  // 6075 x 4455 twips
    // The menu's items carry their shortcuts; the Help menu has its separator.
    char help[32] = {};
    GetMenuStringA(window_->Menu(), ui::MainWindowWin32::CommandId(Command::HelpHelp), help, sizeof help,
                   MF_BYCOMMAND);
    EXPECT_STREQ(help, "&Help\tF1");
    EXPECT_EQ(GetMenuState(GetSubMenu(window_->Menu(), 3), 1, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
    // A fixed single border and only a minimise button, always on top; the log scrolls both ways.
    const LONG_PTR style = GetWindowLongPtrA(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), WS_MINIMIZEBOX);
    EXPECT_TRUE(GetWindowLongPtrA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const LONG_PTR logStyle = GetWindowLongPtrA(Control(Status), GWL_STYLE);
    EXPECT_EQ(logStyle & (WS_HSCROLL | WS_VSCROLL | ES_MULTILINE), WS_HSCROLL | WS_VSCROLL | ES_MULTILINE);

    auto checked = [&](Command item) {
        return GetMenuState(window_->Menu(), ui::MainWindowWin32::CommandId(item), MF_BYCOMMAND) & MF_CHECKED;
    };
    Choose(ui::IgnoreItem(4));  // from the first start's 1 km
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
    EXPECT_TRUE(WaitUntil([&] { return GetFocus() != box; })) << "the box keeps the focus";
    SetActiveWindow(window_->Handle());
    EXPECT_TRUE(WaitUntil([&] { return GetFocus() == box; })) << "the focus does not come back";
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
// from the window's message loop. The log's caret then stands after its last line.
TEST_F(GuiTest, HostEventsRunFromTheMessageLoopNotInsideTheDeliveringCall) {
    host_.stations = {
        {"NOCALL1", 0, 0, "", "", ""}, {"NOCALL2", 0, 0, "", "", ""}, {"NOCALL3", 0, 0, "", "", ""}};
    ASSERT_TRUE(Start());
    EXPECT_THAT(Text(ControlId::Status), testing::HasSubstr("End of info for NOCALL3 *****\r\n"));
    host_.TakeJournal();
    logic_->HostEventSink().NotifyBeacon("NOCALL1", 1.0f, 2.0f);  // a row's call-sign
    EXPECT_TRUE(host_.Journal().empty()) << "plotted inside the delivering call";
    Pump();
    EXPECT_FALSE(host_.Journal().empty()) << "no plot for the beacon";
    DWORD start = 0, end = 0;
    SendMessageA(Control(ControlId::Status), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end, Text(ControlId::Status).size());
}

// Save writes the real window's place (15 twips a pixel) and state; the next start shows the
// window there again, until the Windows session ends. (The close box ends every end-to-end case.)
TEST_F(GuiTest, SaveRoundTripsPositionAndMinimisedStateUntilTheSessionEnds) {
    ASSERT_TRUE(Start());
    SetWindowPos(window_->Handle(), nullptr, 150, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(window_->Handle(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(window_->Handle()); }));
    Choose(Command::FileSave);
    const std::string saved = ReadWholeFile(platform_.folder.File("Trivex.INI")).value_or("");
    for (const char* line : {"LEFT=2250\r\n", "TOP=1800\r\n", "MINIMIZED=TRUE\r\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " missing in:\n" << saved;
    ASSERT_TRUE(Start());
    EXPECT_TRUE(IsIconic(window_->Handle())) << "comes back minimised";
    ShowWindow(window_->Handle(), SW_RESTORE);
    RECT rect{};
    WaitUntil([&] { return GetWindowRect(window_->Handle(), &rect) && rect.left == 150 && rect.top == 120; });
    EXPECT_EQ(std::to_string(rect.left) + "," + std::to_string(rect.top), "150,120");

    // The end of the Windows session (log-off, shut-down) runs the program's shut-down, which
    // empties the list file; being asked whether the session may end is not an end.
    WriteWholeFile(platform_.folder.File("Trivex.LST"), "entries");
    EXPECT_TRUE(SendMessageA(window_->Handle(), WM_QUERYENDSESSION, 0, 0));
    EXPECT_FALSE(logic_->Ended());
    SendMessageA(window_->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(logic_->Ended());
    EXPECT_EQ(ReadWholeFile(platform_.folder.File("Trivex.LST")), "");
}

std::function<void()> onTimer;
void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD) {
    onTimer();
}

// The end of the session while a warning box is open: the shut-down runs before the message
// returns, as Windows ends the process soon after; the window goes once the box is closed.
TEST_F(GuiTest, SessionEndingWhileAWarningIsOpenShutsDownAtOnce) {
    ASSERT_TRUE(Start());
    const std::string list = platform_.folder.File("Trivex.LST");
    WriteWholeFile(list, "entries");
    std::optional<std::string> listWhileOpen;
    onTimer = [&] {
        const HWND box = FindProcessWindow(GetCurrentProcessId(), "#32770");
        if (!box || listWhileOpen) return;
        SendMessageA(window_->Handle(), WM_ENDSESSION, TRUE, 0);
        listWhileOpen = ReadWholeFile(list);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, TimerProc);
    host_.FailNext("GetStationInfo", "injected");
    Choose(Command::Plot);
    KillTimer(nullptr, timer);
    EXPECT_EQ(listWhileOpen, "");
    EXPECT_TRUE(logic_->Ended());
    EXPECT_EQ(window_->Handle(), nullptr) << "the window stays after the box";
}

// The About window's controls from the manual's twips, centred, always on top, not modal (the
// main window stays enabled), and a window of its own that stays when the main one is minimised.
void ExpectAboutLayoutAndPlace(const ui::AboutWindowWin32& about, HWND main) {
    const HWND handle = about.Handle();
    // A label, the link, OK.
    const std::pair<const char*, const char*> controls[] = {
        {"title", "56,0 353x25 MS Sans Serif bold"},               // 840,0 5295x375
        {"webAddress", "56,136 337x17 MS Sans Serif underlined"},  // 840,2040 5055x255
        {"ok", "352,232 65x25 MS Sans Serif bold"},                // 5280,3480 975x375
    };
    for (const auto& [name, placed] : controls) EXPECT_EQ(Placed(about.Control(name)), placed) << name;
    EXPECT_EQ(ClientSize(handle), "424x268");  // 6360 x 4020 twips
    RECT rect;
    GetWindowRect(handle, &rect);
    EXPECT_NEAR(rect.left, (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, 1);
    EXPECT_NEAR(rect.top, (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, 1);
    EXPECT_TRUE(GetWindowLongPtrA(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(GetWindow(handle, GW_OWNER), nullptr);
}

TEST_F(GuiTest, AboutOpensOnceWithItsLayoutAndLinkAndClosesWithOk) {
    ASSERT_TRUE(Start());
    Choose(Command::About);
    const ui::AboutWindowWin32* about = window_->About();
    ASSERT_NE(about, nullptr);
    const HWND handle = about->Handle();
    ExpectAboutLayoutAndPlace(*about, window_->Handle());
    // A picture for a person to look at; the test script turns it into a PNG file.
    Pump(300ms);
    EXPECT_TRUE(SaveWindowPicture(handle, "about-window.bmp"));

    // The link shows the hand and opens the browser.
    const HWND link = about->Control("webAddress");
    SendMessageA(handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    PostMessageA(handle, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link), STN_CLICKED),
                 reinterpret_cast<LPARAM>(link));
    Pump();
    EXPECT_THAT(platform_.opened, testing::ElementsAre(ui::kWebAddress));

    // A second About keeps the open window; OK closes it.
    Choose(Command::About);
    EXPECT_EQ(window_->AboutHandle(), handle);
    PostMessageA(handle, WM_COMMAND, IDOK, 0);
    Pump();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(logic_->AboutOpen());
}

}  // namespace
}  // namespace trivex::test
