// The boundary of every window procedure: no exception may cross into the system's code.
#pragma once

#include "win32/windows_api.h"

#include <exception>

namespace trivex::win32 {

// An unexpected failure: the standard error box, then the program ends with nothing saved.
[[noreturn]] void ReportFatalError(const char* what) noexcept;

// Names the program in that box, and makes std::terminate show it too, with the text of the
// exception that brought it there: for the faults that must not cross a COM callback.
void ReportFatalErrorsAtTerminate(const char* programTitle);

template <typename Body>
[[nodiscard]] LRESULT Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::exception& error) {
        ReportFatalError(error.what());
    } catch (...) {
        ReportFatalError("unknown error");
    }
}

}  // namespace trivex::win32
