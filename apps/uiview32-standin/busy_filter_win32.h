// The stand-in's message filter: turns away as many calls on the host's objects as a test asks
// as busy ("retry later"), as a host with a dialog of its own open does. Calls on the control
// object are always taken.
#pragma once

#include "server_state_win32.h"

namespace trivex::standin {

class BusyFilter final : public IMessageFilter {
  public:
    explicit BusyFilter(ServerState& state) : state_(state) {}
    BusyFilter(const BusyFilter&) = delete;
    BusyFilter& operator=(const BusyFilter&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    // It lives as long as the server runs.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD type, HTASK caller, DWORD elapsedMs,
                                               INTERFACEINFO* info) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return static_cast<DWORD>(-1); }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return PENDINGMSG_WAITDEFPROCESS; }

  private:
    ServerState& state_;
};

}  // namespace trivex::standin
