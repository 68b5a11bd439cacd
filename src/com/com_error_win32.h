// A failed COM call as the host error of the host interface, keeping the HRESULT.
#pragma once

#include <string>

#include "com/com_raii_win32.h"
#include "host/host.h"

namespace trivex::com {

class ComHostError : public host::HostError {
  public:
    ComHostError(HRESULT code, const std::string& message) : host::HostError(message), code_(code) {}
    [[nodiscard]] HRESULT code() const { return code_; }

  private:
    HRESULT code_;
};

// Throws ComHostError for a failed HRESULT; the message is the system's text for it
// followed by what was being done.
void Check(HRESULT result, const std::string& doing);

// Throws ComHostError for a failed IDispatch::Invoke: a server exception carries its own
// code and description, which become the error's.
[[noreturn]] void ThrowInvokeError(HRESULT result, ExcepInfo& info, const std::string& doing);

}  // namespace trivex::com
