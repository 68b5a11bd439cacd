#include "com/com_error_win32.h"

#include <cstdio>

#include "com/com_text_win32.h"
#include "win32/system_message_win32.h"

namespace trivex::com {

namespace {

std::string SystemText(HRESULT result) {
    std::string text = win32::SystemMessage(static_cast<DWORD>(result));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    return text.empty() ? std::string("Automation error ") + code : text + " (" + code + ")";
}

// A call the host keeps turning away fails so once the message filter has given it up.
std::string FailureText(HRESULT result) {
    return result == RPC_E_CALL_REJECTED ? "The host stayed busy and did not take the call (0x80010001)"
                                         : SystemText(result);
}

// The server's text of an exception, cut where a warning would grow past reading.
std::string Description(BSTR text) {
    constexpr size_t kLongest = 1000;
    size_t length = SysStringLen(text);
    if (length <= kLongest) return FromBstr(text);
    length = IS_HIGH_SURROGATE(text[kLongest - 1]) ? kLongest - 1 : kLongest;
    return FromWide(text, length) + "...";
}

}  // namespace

void Check(HRESULT result, const std::string& doing) {
    if (FAILED(result)) throw ComError(result, FailureText(result) + ": " + doing);
}

void ThrowInvokeError(HRESULT result, ExcepInfo& info, const std::string& doing) {
    if (result != DISP_E_EXCEPTION) Check(result, doing);
    if (info->pfnDeferredFillIn) info->pfnDeferredFillIn(info.get());
    const HRESULT code = info->scode ? info->scode : MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, info->wCode);
    const std::string message = Description(info->bstrDescription);
    throw ComError(code, (message.empty() ? FailureText(code) : message) + ": " + doing);
}

}  // namespace trivex::com
