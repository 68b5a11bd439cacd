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

HRESULT BusyFilter::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IMessageFilter) return E_NOINTERFACE;
    *out = static_cast<IMessageFilter*>(this);
    return S_OK;
}

DWORD BusyFilter::HandleInComingCall(DWORD, HTASK, DWORD, INTERFACEINFO* info) {
    if (state_.busyCalls <= 0 || !info || !IsHostObject(info->pUnk)) return SERVERCALL_ISHANDLED;
    --state_.busyCalls;
    return SERVERCALL_RETRYLATER;
}

}  // namespace trivex::standin
