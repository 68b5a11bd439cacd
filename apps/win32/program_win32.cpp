#include "program_win32.h"

#include "ui/win32/guard_win32.h"

namespace trivex::app {

namespace {

void Pump(ui::MainWindowWin32& window, const ui::MainWindow& logic) {
    MSG message;
    while (!logic.Ended() && GetMessageA(&message, nullptr, 0, 0) > 0) window.Dispatch(message);
}

}  // namespace

int RunProgram(HINSTANCE instance, host::Host& host, ui::PlatformWin32& platform,
               const StartedHandler& started) {
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

}  // namespace trivex::app
