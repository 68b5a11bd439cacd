// Trivex.exe: the main window on the host.
#include "ui/win32/windows_api.h"

#include <memory>

#include "host/sim/sim_host.h"
#include "program_win32.h"

namespace {

// The host that Trivex works with. For now the in-process simulated host: the automation
// link to UI-View32 takes its place here.
std::unique_ptr<trivex::host::Host> CreateHost() {
    return std::make_unique<trivex::sim::SimHost>();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const std::unique_ptr<trivex::host::Host> host = CreateHost();
    trivex::ui::PlatformWin32 platform;
    return trivex::app::RunProgram(instance, *host, platform);
}
