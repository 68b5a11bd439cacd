// Conversion between BSTRs and the narrow texts of the host interface, in the ANSI code page.
#pragma once

#include <string>

#include "com/com_raii_win32.h"

namespace trivex::com {

Bstr ToBstr(const std::string& text);
std::string FromBstr(BSTR text);
std::wstring Widen(const std::string& text);

}  // namespace trivex::com
