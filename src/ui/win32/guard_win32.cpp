#include "ui/win32/guard_win32.h"

#include <cstdio>

#include "ui/program_files.h"

namespace trivex::win32 {

void ReportFatalError(const char* what) noexcept {
    char text[512];
    std::snprintf(text, sizeof text, "Run-time error: %s", what);
    MessageBoxA(nullptr, text, ui::kApplicationTitle, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    ExitProcess(1);
}

}  // namespace trivex::win32
