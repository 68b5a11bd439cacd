#include "com/com_text_win32.h"

#include <new>

namespace trivex::com {

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

Bstr ToBstr(const std::string& text) {
    const std::wstring wide = Widen(text);
    Bstr result(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
    if (!result.get()) throw std::bad_alloc();
    return result;
}

std::string FromBstr(BSTR text) {
    return FromWide(text, SysStringLen(text));
}

// A character the code page lacks becomes its default character, not a look-alike: a
// full-width digit is no digit. (UTF-8 has every character, and takes no such flag.)
std::string FromWide(const wchar_t* text, size_t length) {
    if (length == 0) return {};
    const int size = static_cast<int>(length);
    const DWORD flags = GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int n = WideCharToMultiByte(CP_ACP, flags, text, size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, flags, text, size, narrow.data(), n, nullptr, nullptr);
    return narrow;
}

}  // namespace trivex::com
