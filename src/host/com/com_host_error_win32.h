// A failed COM call to the host as the host error of the host interface, keeping the HRESULT.
#pragma once

#include <string>
#include <utility>

#include "com/com_error_win32.h"
#include "host/host.h"

namespace trivex::com {

class ComHostError : public host::HostError {
  public:
    ComHostError(HRESULT code, const std::string& message) : host::HostError(message), code_(code) {}
    HRESULT code() const { return code_; }

  private:
    HRESULT code_;
};

// Runs a call of the host interface: a failed COM call leaves it as the host's error.
template <typename Call>
decltype(auto) AsHostError(Call&& call) {
    try {
        return std::forward<Call>(call)();
    } catch (const ComError& error) {
        throw ComHostError(error.code(), error.what());
    }
}

}  // namespace trivex::com
