#include "ui/main_window_win32.h"

#include <stdexcept>
#include <string>

#include "ui/platform_win32.h"
#include "ui/program_files.h"
#include "ui/win32/layout_win32.h"
#include "win32/guard_win32.h"
#include "win32/window_object_win32.h"

namespace trivex::ui {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;
constexpr int kFirstCommandId = 100;
constexpr int kFirstControlId = 1000;
constexpr int kCommandCount = static_cast<int>(Command::About) + 1;
constexpr int kControlCount = static_cast<int>(ControlId::Status) + 1;
// Host events queued while no handler ran, handed back to the logic from the message loop.
constexpr UINT kHostEventsMessage = WM_APP + 1;

// A label no taller than a text box holds one line: a text too long for it is cut at the
// right edge rather than wrapped into a line that would show only in part.
constexpr int kOneLineTwips = 285;

DWORD ControlStyle(const ControlLayout& control) {
    switch (control.kind) {
        case ControlKind::Label:
            return (control.height > kOneLineTwips ? SS_LEFT : SS_LEFTNOWORDWRAP) | SS_NOPREFIX;
        case ControlKind::TextBox:
            return WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
        case ControlKind::LogBox:
            return WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOHSCROLL |
                   ES_AUTOVSCROLL | ES_WANTRETURN;
    }
    return 0;
}

bool IsCallSignBox(ControlId id) {
    return id >= ControlId::CallSign0 && id <= ControlId::CallSign4;
}

// A menu takes over the submenus appended to it.
void AppendEntries(HMENU menu, std::span<const MenuEntry> entries) {
    for (const MenuEntry& entry : entries) {
        if (entry.separator) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!entry.items.empty()) {
            win32::UniqueMenu popup(CreatePopupMenu());
            AppendEntries(popup.get(), entry.items);
            AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup.release()), entry.caption);
        } else {
            std::string caption = entry.caption;
            if (entry.shortcut) caption = caption + "\t" + entry.shortcut;
            AppendMenuA(menu, MF_STRING, MainWindowWin32::CommandId(entry.command), caption.c_str());
        }
    }
}

// Where the window manager's workspace begins: minimised windows keep their normal position
// in workspace coordinates.
POINT WorkAreaOrigin(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return {monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top};
}

}  // namespace

MainWindowWin32::MainWindowWin32(HINSTANCE instance, std::function<void()> beep)
    : instance_(instance),
      beep_(std::move(beep)),
      dpi_(win32::SystemDpi()),
      boldFont_(win32::CreateSansSerifFont(dpi_, true)),
      normalFont_(win32::CreateSansSerifFont(dpi_, false)) {
    win32::RegisterWindowClass(instance, kClassName, WindowProc);
    const RECT outer =
        win32::OuterRectForClient(kClientWidthTwips, kClientHeightTwips, kStyle, kExStyle, true, dpi_);
    window_.reset(CreateWindowExA(kExStyle, kClassName, "", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                  outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                                  instance, this));
    if (!window_) throw std::runtime_error("the main window could not be created");
    CreateMenuBar();
    CreateControls();
}

MainWindowWin32::~MainWindowWin32() {
    logic_ = nullptr;
    about_.reset();
    window_.reset();
}

void MainWindowWin32::CreateMenuBar() {
    win32::UniqueMenu bar(CreateMenu());
    AppendEntries(bar.get(), MainMenu());
    SetMenu(window_.get(), bar.release());  // the window owns the menu from now on
    ACCEL help{FVIRTKEY, VK_F1, static_cast<WORD>(CommandId(Command::HelpHelp))};
    accelerators_.reset(CreateAcceleratorTableA(&help, 1));
}

// Created in tab order, so that the Tab key follows it.
void MainWindowWin32::CreateControls() {
    for (int tab = 0; tab < kControlCount; ++tab) {
        for (const ControlLayout& control : MainWindowControls()) {
            if (control.tabIndex != tab) continue;
            const bool isLabel = control.kind == ControlKind::Label;
            const RECT twips{control.left, control.top, control.left + control.width,
                             control.top + control.height};
            const HWND child = win32::CreateChild(
                window_.get(), isLabel ? "STATIC" : "EDIT", control.initialText, ControlStyle(control),
                isLabel ? 0 : WS_EX_CLIENTEDGE, ControlIdOf(control.id), twips, dpi_);
            SendMessageA(child, WM_SETFONT,
                         reinterpret_cast<WPARAM>(control.bold ? boldFont_.get() : normalFont_.get()), FALSE);
            if (control.kind == ControlKind::LogBox) SendMessageA(child, EM_SETLIMITTEXT, 0, 0);
            if (IsCallSignBox(control.id)) SubclassCallSignBox(child);
        }
    }
}

void MainWindowWin32::SubclassCallSignBox(HWND edit) {
    SendMessageA(edit, EM_LIMITTEXT, kCallSignMaxLength, 0);
    SetWindowLongPtrA(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindowWin32::CallSignProc)));
}

int MainWindowWin32::CommandId(Command command) {
    return kFirstCommandId + static_cast<int>(command);
}

std::optional<Command> MainWindowWin32::CommandFromId(int id) {
    const int index = id - kFirstCommandId;
    if (index < 0 || index >= kCommandCount) return std::nullopt;
    return static_cast<Command>(index);
}

int MainWindowWin32::ControlIdOf(ControlId id) {
    return kFirstControlId + static_cast<int>(id);
}

void MainWindowWin32::StandardBeep() {
    MessageBeep(MB_OK);
}

HWND MainWindowWin32::Control(ControlId id) const {
    return GetDlgItem(window_.get(), ControlIdOf(id));
}

HMENU MainWindowWin32::Menu() const {
    return GetMenu(window_.get());
}

void MainWindowWin32::Dispatch(MSG& message) {
    const HWND main = window_.get();
    const bool forMain = main && (message.hwnd == main || IsChild(main, message.hwnd));
    if (forMain && TranslateAcceleratorA(main, accelerators_.get(), &message)) return;
    if (about_ && IsDialogMessageA(about_->Handle(), &message)) return;
    if (forMain && IsDialogMessageA(main, &message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

LRESULT CALLBACK MainWindowWin32::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = win32::WindowObject<MainWindowWin32>(window, message, lParam);
    if (!self || !self->logic_ || window != self->window_.get()) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return win32::Guarded([&] { return self->OnMessage(message, wParam, lParam); });
}

LRESULT MainWindowWin32::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (lParam == 0) {
                if (const auto command = CommandFromId(LOWORD(wParam))) {
                    logic_->OnCommand(*command);
                    return 0;
                }
            }
            break;
        case WM_CLOSE:
            logic_->OnClose();
            return 0;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:  // Windows ends the process once this returns: shut down first
            if (wParam) logic_->OnEndSession();
            return 0;
        case kHostEventsMessage:
            logic_->OnHostEventsPosted();
            return 0;
        case WM_MOVE:
        case WM_SIZE:
            logic_->OnPlacementChanged();
            break;
        default:
            break;
    }
    return DefWindowProcA(window_.get(), message, wParam, lParam);
}

LRESULT CALLBACK MainWindowWin32::CallSignProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindowWin32*>(GetWindowLongPtrA(edit, GWLP_USERDATA));
    return win32::Guarded([&] { return self->OnCallSignMessage(edit, message, wParam, lParam); });
}

LRESULT MainWindowWin32::OnCallSignMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        // Enter belongs to the box (it plots), not to the dialog keys of the window.
        const auto* keyMessage = reinterpret_cast<const MSG*>(lParam);
        const LRESULT code = CallWindowProcA(editProc_, edit, message, wParam, lParam);
        if (keyMessage && keyMessage->wParam == VK_RETURN) return code | DLGC_WANTMESSAGE;
        return code;
    }
    if (message == WM_CHAR && logic_) {
        const int row = GetDlgCtrlID(edit) - ControlIdOf(ControlId::CallSign0);
        const auto key = logic_->OnCallSignKey(row, static_cast<int16_t>(static_cast<unsigned char>(wParam)));
        if (!key) return 0;
        wParam = static_cast<unsigned char>(*key);
    }
    return CallWindowProcA(editProc_, edit, message, wParam, lParam);
}

// As a dialog does: the focus leaves with the window and comes back to the same control, or
// at first to the first control in tab order.
void MainWindowWin32::OnActivate(bool active) {
    const HWND main = window_.get();
    if (!active) {
        const HWND focus = GetFocus();
        if (focus && IsChild(main, focus)) focus_ = focus;
        return;
    }
    SetFocus(focus_ && IsChild(main, focus_) ? focus_ : GetNextDlgTabItem(main, nullptr, FALSE));
}

bool MainWindowWin32::PostHostEvents() {
    return PostMessageA(window_.get(), kHostEventsMessage, 0, 0) != FALSE;
}

void MainWindowWin32::SetCaption(const std::string& caption) {
    SetWindowTextA(window_.get(), caption.c_str());
}

std::string MainWindowWin32::Text(ControlId id) {
    if (id == ControlId::Status) FlushLog();
    const HWND control = Control(id);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void MainWindowWin32::SetText(ControlId id, const std::string& text) {
    if (id == ControlId::Status) FlushLog();
    SetWindowTextA(Control(id), text.c_str());
}

size_t MainWindowWin32::TextLength(ControlId id) {
    const size_t pending = id == ControlId::Status ? pendingLog_.size() : 0;
    return static_cast<size_t>(GetWindowTextLengthA(Control(id))) + pending;
}

// Every insertion redraws the box with its scroll bars, which under Wine costs about as much
// as a host call: the lines of one handler go in at once.
void MainWindowWin32::AppendToLog(const std::string& text) {
    pendingLog_ += text;
}

void MainWindowWin32::FlushLog() {
    if (pendingLog_.empty()) return;
    const HWND log = Control(ControlId::Status);
    const int end = GetWindowTextLengthA(log);
    SendMessageA(log, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageA(log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pendingLog_.c_str()));
    pendingLog_.clear();
}

void MainWindowWin32::SetChecked(Command item, bool checked) {
    CheckMenuItem(Menu(), static_cast<UINT>(CommandId(item)),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

WindowPosition MainWindowWin32::Position() {
    RECT rect;
    if (IsIconic(window_.get())) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(window_.get(), &placement);
        const POINT origin = WorkAreaOrigin(window_.get());
        rect = placement.rcNormalPosition;
        OffsetRect(&rect, origin.x, origin.y);
    } else {
        GetWindowRect(window_.get(), &rect);
    }
    return {win32::PixelsToTwips(rect.left, dpi_), win32::PixelsToTwips(rect.top, dpi_)};
}

void MainWindowWin32::MoveTo(WindowPosition position) {
    const int left = win32::TwipsToPixels(position.left, dpi_);
    const int top = win32::TwipsToPixels(position.top, dpi_);
    if (!IsIconic(window_.get())) {
        SetWindowPos(window_.get(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window_.get(), &placement);
    const POINT origin = WorkAreaOrigin(window_.get());
    OffsetRect(&placement.rcNormalPosition, left - origin.x - placement.rcNormalPosition.left,
               top - origin.y - placement.rcNormalPosition.top);
    SetWindowPlacement(window_.get(), &placement);
}

Size MainWindowWin32::OuterSize() {
    RECT rect;
    GetWindowRect(window_.get(), &rect);
    return {win32::PixelsToTwips(rect.right - rect.left, dpi_),
            win32::PixelsToTwips(rect.bottom - rect.top, dpi_)};
}

bool MainWindowWin32::IsMinimised() {
    return IsWindowVisible(window_.get()) ? IsIconic(window_.get()) != FALSE : showMinimised_;
}

void MainWindowWin32::SetMinimised(bool minimised) {
    if (!IsWindowVisible(window_.get())) {
        showMinimised_ = minimised;
        return;
    }
    ShowWindow(window_.get(), minimised ? SW_MINIMIZE : SW_RESTORE);
}

void MainWindowWin32::Show() {
    ShowWindow(window_.get(), showMinimised_ ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    UpdateWindow(window_.get());
}

void MainWindowWin32::ProcessPendingMessages() {
    MSG message;
    while (window_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) Dispatch(message);
}

void MainWindowWin32::MakeTopmost() {
    SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void MainWindowWin32::Close() {
    about_.reset();
    window_.reset();
}

void MainWindowWin32::Beep() {
    beep_();
}

void MainWindowWin32::ShowMessage(MessageStyle style, const std::string& title, const std::string& text) {
    FlushLog();
    const HWND owner = IsWindowVisible(window_.get()) ? window_.get() : nullptr;
    const char* caption = title.empty() ? kApplicationTitle : title.c_str();
    MessageBoxA(owner, text.c_str(), caption, MB_OK | MessageBoxIcon(style));
}

void MainWindowWin32::OpenAbout(const AboutContent& content) {
    if (about_) return;
    AboutWindowWin32::Actions actions{[this] { logic_->OnAboutOk(); },
                                      [this] { logic_->OnAboutLinkClicked(); }};
    about_ = std::make_unique<AboutWindowWin32>(instance_, dpi_, content, std::move(actions));
}

void MainWindowWin32::CloseAbout() {
    about_.reset();
}

}  // namespace trivex::ui
