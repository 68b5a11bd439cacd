// The message filter of the host's client: a call the host turns away is made again as
// RetryAfter says; while a call waits, the window goes on painting; the host's calls into
// this program (its events) are always taken.
#pragma once

#include "com/com_raii_win32.h"
#include "com/message_filter_win32.h"

namespace trivex::com {

class BusyHostFilter final : public MessageFilter {
  public:
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD type, HTASK caller, DWORD elapsedMs,
                                               INTERFACEINFO* info) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK callee, DWORD elapsedMs, DWORD rejection) override;
    DWORD STDMETHODCALLTYPE MessagePending(HTASK callee, DWORD elapsedMs, DWORD pendingType) override;
};

// A BusyHostFilter registered for the calling thread's apartment while this lives, if the
// apartment was entered; the filter before it is registered again afterwards.
class BusyHostFilterRegistration {
  public:
    explicit BusyHostFilterRegistration(const ComApartment& apartment);
    BusyHostFilterRegistration(const BusyHostFilterRegistration&) = delete;
    BusyHostFilterRegistration& operator=(const BusyHostFilterRegistration&) = delete;
    ~BusyHostFilterRegistration();

  private:
    BusyHostFilter filter_;
    bool registered_ = false;
    ComPtr<IMessageFilter> previous_;
};

}  // namespace trivex::com
