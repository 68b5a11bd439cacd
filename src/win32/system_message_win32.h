// The system's text for an error code.
#pragma once

#include <string>

#include "win32/windows_api.h"

namespace trivex::win32 {

// FormatMessage's text for a system error code or an HRESULT, without its trailing line
// breaks; empty when the system has none.
std::string SystemMessage(DWORD code);

}  // namespace trivex::win32
