#include "trivex_program_win32.h"

#include <stdexcept>

#include "ui/main_window_win32.h"

namespace trivex::test {

namespace {

constexpr UINT kSendTimeoutMs = 30000;

// Sends a message and waits for its answer; a program that does not answer in time fails the test.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result))
        throw std::runtime_error("the window did not answer message " + std::to_string(message));
    return static_cast<LRESULT>(result);
}

WPARAM CommandWord(ui::Command command) {
    return static_cast<WPARAM>(ui::MainWindowWin32::CommandId(command));
}

}  // namespace

TrivexProgram::TrivexProgram() {
    const std::string exe = PathFromEnvironment("TRIVEX_EXE");
    if (exe.empty()) throw std::runtime_error("TRIVEX_EXE names no Trivex.exe");
    if (!CopyFileA(exe.c_str(), folder_.File("Trivex.exe").c_str(), FALSE))
        throw std::runtime_error("cannot copy " + exe);
}

bool TrivexProgram::Start() {
    process_ = std::make_unique<ChildProgram>(folder_.File("Trivex.exe"));
    window_ = WaitForWindow(process_->Id(), ui::MainWindowWin32::kClassName);
    return window_ != nullptr;
}

bool TrivexProgram::Close() {
    if (!process_) return true;
    if (!process_->WaitForExit(0ms)) PostMessageA(window_, WM_CLOSE, 0, 0);
    return process_->WaitForExit().has_value();
}

HWND TrivexProgram::Control(ui::ControlId id) const {
    return GetDlgItem(window_, ui::MainWindowWin32::ControlIdOf(id));
}

std::string TrivexProgram::Text(ui::ControlId id) const {
    const HWND control = Control(id);
    std::string text(static_cast<size_t>(Send(control, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(
        static_cast<size_t>(Send(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

void TrivexProgram::SetText(ui::ControlId id, const std::string& text) const {
    Send(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TrivexProgram::Choose(ui::Command command) const {
    Send(window_, WM_COMMAND, CommandWord(command), 0);
}

void TrivexProgram::Post(ui::Command command) const {
    PostMessageA(window_, WM_COMMAND, CommandWord(command), 0);
}

}  // namespace trivex::test
