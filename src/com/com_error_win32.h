// A failed COM call: its HRESULT and a text that says what failed.
#pragma once

#include <stdexcept>
#include <string>

#include "com/com_raii_win32.h"

namespace trivex::com {

class ComError : public std::runtime_error {
  public:
    ComError(HRESULT code, const std::string& message) : std::runtime_error(message), code_(code) {}
    [[nodiscard]] HRESULT code() const { return code_; }

  private:
    HRESULT code_;
};

// Throws ComError for a failed HRESULT; the message is the system's text for it
// followed by what was being done.
void Check(HRESULT result, const std::string& doing);

// Throws ComError for a failed IDispatch::Invoke: a server exception carries its own
// code and description, which become the error's.
[[noreturn]] void ThrowInvokeError(HRESULT result, ExcepInfo& info, const std::string& doing);

}  // namespace trivex::com
