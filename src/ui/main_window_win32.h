// The native main window: draws what the logic decides and forwards the operator's actions
// (menu commands, close box, typed call-sign keys, moves) to MainWindow.
#pragma once

#include "win32/windows_api.h"

#include <functional>
#include <memory>
#include <optional>

#include "ui/about_window_win32.h"
#include "ui/main_window.h"
#include "ui/view.h"
#include "win32/unique_handle.h"

namespace trivex::ui {

class MainWindowWin32 final : public MainWindowView {
  public:
    static constexpr const char* kClassName = "TrivexMainWindow";

    // The window is created hidden. beep sounds the standard beep; tests count beeps with it.
    explicit MainWindowWin32(HINSTANCE instance, std::function<void()> beep = StandardBeep);
    MainWindowWin32(const MainWindowWin32&) = delete;
    MainWindowWin32& operator=(const MainWindowWin32&) = delete;
    ~MainWindowWin32() override;

    // From now on the window's events go to the logic.
    void Attach(MainWindow& logic) { logic_ = &logic; }

    [[nodiscard]] HWND Handle() const { return window_.get(); }
    [[nodiscard]] HWND Control(ControlId id) const;
    [[nodiscard]] HWND AboutHandle() const { return about_ ? about_->Handle() : nullptr; }
    [[nodiscard]] const AboutWindowWin32* About() const { return about_.get(); }
    [[nodiscard]] HMENU Menu() const;
    [[nodiscard]] int Dpi() const { return dpi_; }

    // Handles one message of the thread's queue: the F1 accelerator, the Tab key, then dispatch.
    void Dispatch(MSG& message);

    [[nodiscard]] static int CommandId(Command command);
    [[nodiscard]] static std::optional<Command> CommandFromId(int id);
    [[nodiscard]] static int ControlIdOf(ControlId id);
    static void StandardBeep();

    void SetCaption(const std::string& caption) override;
    [[nodiscard]] std::string Text(ControlId id) override;
    void SetText(ControlId id, const std::string& text) override;
    [[nodiscard]] size_t TextLength(ControlId id) override;
    void AppendToLog(const std::string& text) override;
    void FlushLog() override;
    void SetChecked(Command item, bool checked) override;
    [[nodiscard]] WindowPosition Position() override;
    void MoveTo(WindowPosition position) override;
    [[nodiscard]] Size OuterSize() override;
    [[nodiscard]] bool IsMinimised() override;
    void SetMinimised(bool minimised) override;
    void Show() override;
    void ProcessPendingMessages() override;
    void MakeTopmost() override;
    void Close() override;
    void Beep() override;
    void ShowMessage(MessageStyle style, const std::string& title, const std::string& text) override;
    void OpenAbout(const AboutContent& content) override;
    void CloseAbout() override;
    [[nodiscard]] bool PostHostEvents() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CallSignProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] LRESULT OnCallSignMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    void CreateMenuBar();
    void SubclassCallSignBox(HWND edit);
    void OnActivate(bool active);

    HINSTANCE instance_;
    std::function<void()> beep_;
    int dpi_;
    MainWindow* logic_ = nullptr;
    win32::UniqueFont boldFont_;
    win32::UniqueFont normalFont_;  // the window's own font: the one of the boxes that are not bold
    win32::UniqueAccelerators accelerators_;
    win32::UniqueWindow window_;
    WNDPROC editProc_ = nullptr;
    bool showMinimised_ = false;  // the state Show() gives a window that is still hidden
    std::unique_ptr<AboutWindowWin32> about_;
    std::string pendingLog_;  // appended, not yet in the box
    HWND focus_ = nullptr;    // the control that had the focus when the window was last left
};

}  // namespace trivex::ui
