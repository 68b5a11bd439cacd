#include "shell/program_win32.h"

#include "ui/program_files.h"
#include "win32/guard_win32.h"

namespace trivex::shell {

namespace {

// A message sent from another thread is handled inside GetMessage, which then goes on
// waiting: the end of the logic is looked at after every wake-up instead.
void Pump(ui::MainWindowWin32& window, const ui::MainWindow& logic) {
    MSG message;
    while (!logic.Ended()) {
        while (!logic.Ended() && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return;
            window.Dispatch(message);
        }
        if (!logic.Ended()) MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
    }
}

}  // namespace

int RunProgram(HINSTANCE instance, host::Host& host, ui::PlatformWin32& platform,
               const StartedHandler& started) {
    win32::ReportFatalErrorsAtTerminate(ui::kApplicationTitle);
    return static_cast<int>(win32::Guarded([&]() -> LRESULT {
        ui::MainWindowWin32 window(instance);
        ui::MainWindow logic(window, platform, host);
        window.Attach(logic);
        platform.SetMainWindow(window.Handle());
        if (!logic.Startup()) return 1;
        if (started) started(window, logic);
        Pump(window, logic);
        return 0;
    }));
}

}  // namespace trivex::shell
