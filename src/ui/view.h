// What the main window's logic needs of a window: the Win32 window implements it by
// drawing and forwarding; tests and the scenario runner use an in-memory one.
#pragma once

#include <cstdint>
#include <string>

#include "ui/about.h"
#include "ui/controls.h"

namespace trivex::ui {

struct WindowPosition {
    int32_t left = 0;  // twips
    int32_t top = 0;
    bool operator==(const WindowPosition&) const = default;
};

// The icon of a message box. The values are the codes the transcripts record.
enum class MessageStyle { Critical = 16, Warning = 48, Information = 64 };

struct Size {
    int32_t width = 0;  // twips
    int32_t height = 0;
};

class MainWindowView {
  public:
    virtual ~MainWindowView() = default;

    virtual void SetCaption(const std::string& caption) = 0;
    [[nodiscard]] virtual std::string Text(ControlId id) = 0;
    virtual void SetText(ControlId id, const std::string& text) = 0;
    [[nodiscard]] virtual size_t TextLength(ControlId id) = 0;
    // Moves the caret of the status log to its end and inserts the text there; the box may
    // show it only at the next FlushLog, which the dispatcher calls after every handler.
    virtual void AppendToLog(const std::string& text) = 0;
    virtual void FlushLog() = 0;
    virtual void SetChecked(Command item, bool checked) = 0;

    // The window's position while not minimised; when minimised, where it will be restored.
    [[nodiscard]] virtual WindowPosition Position() = 0;
    virtual void MoveTo(WindowPosition position) = 0;
    [[nodiscard]] virtual Size OuterSize() = 0;
    [[nodiscard]] virtual bool IsMinimised() = 0;
    virtual void SetMinimised(bool minimised) = 0;
    virtual void Show() = 0;
    // Lets the pending window messages be processed once, so that the window is drawn.
    virtual void ProcessPendingMessages() = 0;
    virtual void MakeTopmost() = 0;
    // Destroys the window; the program ends once it is gone.
    virtual void Close() = 0;

    virtual void Beep() = 0;
    // A modal message box with one OK button. An empty title shows the program's application title.
    virtual void ShowMessage(MessageStyle style, const std::string& title, const std::string& text) = 0;

    virtual void OpenAbout(const AboutContent& content) = 0;
    virtual void CloseAbout() = 0;

    // Asks the window to call MainWindow::OnHostEventsPosted from its message loop, so that
    // a host event is never handled inside the host's call that delivered it. False when the
    // view has no message loop: the events then run at once.
    [[nodiscard]] virtual bool PostHostEvents() = 0;
};

}  // namespace trivex::ui
