// The stand-in's message filter: turns away as many calls on the host's objects as a test asks
// as busy ("retry later"), as a host with a dialog of its own open does. Calls on the control
// object are always taken.
#pragma once

#include "com/message_filter_win32.h"
#include "server_state_win32.h"

namespace trivex::standin {

// It lives as long as the server runs.
class BusyFilter final : public com::MessageFilter {
  public:
    explicit BusyFilter(ServerState& state) : state_(state) {}

    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD type, HTASK caller, DWORD elapsedMs,
                                               INTERFACEINFO* info) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return static_cast<DWORD>(-1); }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return PENDINGMSG_WAITDEFPROCESS; }

  private:
    ServerState& state_;
};

}  // namespace trivex::standin
