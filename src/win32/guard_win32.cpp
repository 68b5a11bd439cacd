#include "win32/guard_win32.h"

#include <cstdio>
#include <exception>

namespace trivex::win32 {

namespace {

const char* fatalErrorTitle = nullptr;

}  // namespace

void ReportFatalError(const char* what) noexcept {
    char text[512];
    std::snprintf(text, sizeof text, "Run-time error: %s", what);
    MessageBoxA(nullptr, text, fatalErrorTitle, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    ExitProcess(1);
}

namespace {

[[noreturn]] void ReportTerminate() noexcept {
    try {
        if (const std::exception_ptr fault = std::current_exception()) std::rethrow_exception(fault);
    } catch (const std::exception& error) {
        ReportFatalError(error.what());
    } catch (...) {
    }
    ReportFatalError("unknown error");
}

}  // namespace

void ReportFatalErrorsAtTerminate(const char* programTitle) {
    fatalErrorTitle = programTitle;
    std::set_terminate(ReportTerminate);
}

}  // namespace trivex::win32
