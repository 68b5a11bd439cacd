#include "ui/about_window_win32.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "ui/win32/layout_win32.h"
#include "win32/guard_win32.h"
#include "win32/window_object_win32.h"

namespace trivex::ui {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kFirstControlId = 100;

// The action may close this window and so destroy the object that holds it: it runs from a copy.
LRESULT Run(std::function<void()> action) {
    action();
    return 0;
}

}  // namespace

AboutWindowWin32::AboutWindowWin32(HINSTANCE instance, int dpi, const AboutContent& content, Actions actions)
    : dpi_(dpi),
      actions_(std::move(actions)),
      normalFont_(win32::CreateSansSerifFont(dpi, false)),
      boldFont_(win32::CreateSansSerifFont(dpi, true)),
      linkFont_(win32::CreateSansSerifFont(dpi, false, true)) {
    win32::RegisterWindowClass(instance, kClassName, WindowProc);
    const RECT outer = win32::OuterRectForClient(kAboutClientWidthTwips, kAboutClientHeightTwips, kStyle,
                                                 kExStyle, false, dpi);
    // No owner: the window stays when the main window is minimised.
    window_.reset(CreateWindowExA(kExStyle, kClassName, content.caption.c_str(), kStyle, 0, 0,
                                  outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                                  instance, this));
    if (!window_) throw std::runtime_error("the About window could not be created");
    CreateControls(content);
    SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CentreOnScreen();
    ShowWindow(window_.get(), SW_SHOWNORMAL);
}

void AboutWindowWin32::CreateControls(const AboutContent& content) {
    int id = kFirstControlId;
    for (const AboutControl& control : AboutControls()) {
        const char* caption = control.text ? (content.*control.text).c_str() : control.fixedText;
        const RECT twips{control.left, control.top, control.left + control.width,
                         control.top + control.height};
        HWND child;
        if (control.isButton) {
            child = win32::CreateChild(window_.get(), "BUTTON", caption, WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
                                       IDOK, twips, dpi_);
        } else {
            const DWORD style = SS_LEFT | SS_NOPREFIX | (control.isLink ? SS_NOTIFY : 0);
            child = win32::CreateChild(window_.get(), "STATIC", caption, style, 0, id++, twips, dpi_);
        }
        controls_.push_back({control.name, child});
        const HFONT font = control.isLink ? linkFont_.get()
                           : control.bold ? boldFont_.get()
                                          : normalFont_.get();
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (control.isLink) link_ = child;
    }
}

HWND AboutWindowWin32::Control(const char* name) const {
    for (const auto& [controlName, child] : controls_) {
        if (std::strcmp(controlName, name) == 0) return child;
    }
    return nullptr;
}

void AboutWindowWin32::CentreOnScreen() {
    RECT rect;
    GetWindowRect(window_.get(), &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(window_.get(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK AboutWindowWin32::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = win32::WindowObject<AboutWindowWin32>(window, message, lParam);
    if (!self || !self->window_) return DefWindowProcA(window, message, wParam, lParam);
    return win32::Guarded([&] { return self->OnMessage(window, message, wParam, lParam); });
}

LRESULT AboutWindowWin32::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) return Run(actions_.ok);
            if (reinterpret_cast<HWND>(lParam) == link_ && HIWORD(wParam) == STN_CLICKED)
                return Run(actions_.link);
            break;
        case WM_CLOSE:
            return Run(actions_.ok);
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == link_) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHT));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == link_) {
                SetCursor(LoadCursorA(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace trivex::ui
