// Trivex.exe: the main window on UI-View32, reached through its automation server.
#include "win32/windows_api.h"

#include "com/com_raii_win32.h"
#include "host/com/busy_host_filter_win32.h"
#include "host/com/com_host_win32.h"
#include "shell/program_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The apartment outlives RunProgram, which releases every host object with the window.
    const trivex::com::ComApartment apartment;
    const trivex::com::BusyHostFilterRegistration busyHost(apartment);
    trivex::com::ComHost host;
    trivex::ui::PlatformWin32 platform;
    return trivex::shell::RunProgram(instance, host, platform);
}
