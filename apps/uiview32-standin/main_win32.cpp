// uiview32.exe, the stand-in for UI-View32's automation server.
//   uiview32 /RegServer     registers it on this machine
//   uiview32 /UnregServer   removes that registration
//   uiview32 [-Embedding]   serves (COM starts it so)
#include <string>

#include "com/com_raii_win32.h"
#include "registration_win32.h"
#include "server_win32.h"

namespace {

bool HasSwitch(const wchar_t* name) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    bool found = false;
    for (int i = 1; i < count && !found; ++i) {
        const wchar_t* a = arguments[i];
        found = (a[0] == L'/' || a[0] == L'-') && _wcsicmp(a + 1, name) == 0;
    }
    LocalFree(arguments);
    return found;
}

std::wstring ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) return path.substr(0, n);
        path.resize(path.size() * 2);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const trivex::com::ComApartment apartment;
    if (FAILED(apartment.result())) return 1;
    if (HasSwitch(L"RegServer")) return trivex::standin::Register(ExecutablePath()) ? 0 : 1;
    if (HasSwitch(L"UnregServer")) return trivex::standin::Unregister() ? 0 : 1;
    return trivex::standin::RunServer(ExecutablePath());
}
