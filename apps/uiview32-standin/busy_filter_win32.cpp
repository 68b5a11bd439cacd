#include "busy_filter_win32.h"

#include <uiview32.h>

#include "dispatch_object_win32.h"

namespace trivex::standin {

namespace {

bool IsHostObject(IUnknown* object) {
    com::ComPtr<ServerObject> own;
    com::ComPtr<IUnknown> control;
    return object && SUCCEEDED(object->QueryInterface(kServerObjectIid, own.OutVoid())) &&
           FAILED(object->QueryInterface(__uuidof(IStandInControl), control.OutVoid()));
}

}  // namespace

DWORD BusyFilter::HandleInComingCall(DWORD, HTASK, DWORD, INTERFACEINFO* info) {
    if (state_.busyCalls <= 0 || !info || !IsHostObject(info->pUnk)) return SERVERCALL_ISHANDLED;
    --state_.busyCalls;
    return SERVERCALL_RETRYLATER;
}

}  // namespace trivex::standin
