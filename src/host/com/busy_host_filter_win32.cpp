#include "host/com/busy_host_filter_win32.h"

#include "host/com/busy_host.h"

namespace trivex::com {

DWORD BusyHostFilter::HandleInComingCall(DWORD, HTASK, DWORD, INTERFACEINFO*) {
    return SERVERCALL_ISHANDLED;
}

// -1 (as a DWORD) gives the call up: it fails with RPC_E_CALL_REJECTED.
DWORD BusyHostFilter::RetryRejectedCall(HTASK, DWORD elapsedMs, DWORD rejection) {
    const auto delay = RetryAfter(
        rejection == SERVERCALL_RETRYLATER ? Rejection::RetryLater : Rejection::Refused, elapsedMs);
    return delay ? *delay : static_cast<DWORD>(-1);
}

// Paint messages are dispatched, input waits: the window stays drawn, and no command starts
// while a host call is under way.
DWORD BusyHostFilter::MessagePending(HTASK, DWORD, DWORD) {
    return PENDINGMSG_WAITDEFPROCESS;
}

BusyHostFilterRegistration::BusyHostFilterRegistration(const ComApartment& apartment) {
    if (FAILED(apartment.result())) return;
    registered_ = SUCCEEDED(CoRegisterMessageFilter(&filter_, previous_.Out()));
}

BusyHostFilterRegistration::~BusyHostFilterRegistration() {
    if (!registered_) return;
    ComPtr<IMessageFilter> ours;
    CoRegisterMessageFilter(previous_.get(), ours.Out());
}

}  // namespace trivex::com
