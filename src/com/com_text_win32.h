// Conversion between BSTRs and the narrow texts of the host interface, in the ANSI code page.
#pragma once

#include <string>

#include "com/com_raii_win32.h"

namespace trivex::com {

Bstr ToBstr(const std::string& text);
std::string FromBstr(BSTR text);
// The first `length` characters of a wide text.
std::string FromWide(const wchar_t* text, size_t length);
std::wstring Widen(const std::string& text);

}  // namespace trivex::com
