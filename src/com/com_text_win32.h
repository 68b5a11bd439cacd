// Conversion between BSTRs and the narrow texts of the host interface, in the ANSI code page.
#pragma once

#include <string>

#include "com/com_raii_win32.h"

namespace trivex::com {

[[nodiscard]] Bstr ToBstr(const std::string& text);
[[nodiscard]] std::string FromBstr(BSTR text);
// The first `length` characters of a wide text.
[[nodiscard]] std::string FromWide(const wchar_t* text, size_t length);
[[nodiscard]] std::wstring Widen(const std::string& text);

}  // namespace trivex::com
