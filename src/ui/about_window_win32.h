// The About window: texts from AboutContent, laid out as AboutControls() says, topmost,
// centred on the screen, not modal, owned by no window. OK and the web link are reported
// through its actions.
#pragma once

#include "win32/windows_api.h"

#include <functional>
#include <utility>
#include <vector>

#include "ui/about.h"
#include "win32/unique_handle.h"

namespace trivex::ui {

class AboutWindowWin32 {
  public:
    static constexpr const char* kClassName = "TrivexAboutWindow";

    struct Actions {
        std::function<void()> ok;    // the OK button or the close box
        std::function<void()> link;  // a click on the web address
    };

    AboutWindowWin32(HINSTANCE instance, int dpi, const AboutContent& content, Actions actions);
    AboutWindowWin32(const AboutWindowWin32&) = delete;
    AboutWindowWin32& operator=(const AboutWindowWin32&) = delete;

    [[nodiscard]] HWND Handle() const { return window_.get(); }
    // The control that shows the named text ("title", "webAddress", "ok" ...).
    [[nodiscard]] HWND Control(const char* name) const;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(const AboutContent& content);
    void CentreOnScreen();

    int dpi_;
    Actions actions_;
    win32::UniqueFont normalFont_;
    win32::UniqueFont boldFont_;
    win32::UniqueFont linkFont_;
    win32::UniqueWindow window_;
    HWND link_ = nullptr;
    std::vector<std::pair<const char*, HWND>> controls_;
};

}  // namespace trivex::ui
