// The program's run on Windows, shared by Trivex.exe and TrivexDemo.exe: the main window
// on a host, start-up once the (hidden) window exists, then the message pump until the
// window is gone.
#pragma once

#include "win32/windows_api.h"

#include <functional>

#include "host/host.h"
#include "ui/main_window.h"
#include "ui/main_window_win32.h"
#include "ui/platform_win32.h"

namespace trivex::shell {

// Called once start-up has succeeded, before the pump runs.
using StartedHandler = std::function<void(ui::MainWindowWin32& window, ui::MainWindow& logic)>;

[[nodiscard]] int RunProgram(HINSTANCE instance, host::Host& host, ui::PlatformWin32& platform,
                             const StartedHandler& started = {});

}  // namespace trivex::shell
