#include "host/com/event_sink_win32.h"

#include "com/com_error_win32.h"
#include "com/com_text_win32.h"
#include "com/type_info_win32.h"
#include "host/com/com_host_error_win32.h"

#include <exception>

namespace trivex::com {

namespace {

DISPID EventId(const InterfaceInfo& events, const wchar_t* name) {
    const Member* event = events.Find(name, INVOKE_FUNC);
    return event ? event->id : DISPID_UNKNOWN;
}

}  // namespace

EventSink::EventSink(const IID& events, const InterfaceInfo& info)
    : events_(events),
      dataAvailable_(EventId(info, L"DataAvailable")),
      notifyBeacon_(EventId(info, L"NotifyBeacon")),
      closing_(EventId(info, L"UIView32IsClosing")),
      mapHasChanged_(EventId(info, L"MapHasChanged")),
      mapRedrawn_(EventId(info, L"MapRedrawn")) {
    ++alive_;
}

EventSink::~EventSink() {
    --alive_;
}

HRESULT EventSink::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == events_) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG EventSink::AddRef() {
    return ++references_;
}

ULONG EventSink::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT EventSink::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                          UINT*) {
    if (result) VariantInit(result);
    if (!params) return E_POINTER;
    try {
        return Deliver(id, *params);
    } catch (const ComError& e) {
        return e.code();  // arguments the host sent that do not convert: the host's to know
    } catch (const ComHostError& e) {
        return e.code();  // a call of the receiver's to the host failed: the host's to know
    } catch (...) {
        // A fault of the program's own takes the program's one fatal path, which its terminate
        // handler shows, rather than an error code the host would have to make sense of.
        std::terminate();
    }
}

namespace {

// The argument at a position in call order (DISPPARAMS holds them last first), converted;
// a by-reference argument is read through its reference.
Variant Argument(const DISPPARAMS& params, UINT position, VARTYPE type) {
    Variant value;
    Check(VariantChangeType(value.get(), &params.rgvarg[params.cArgs - 1 - position], 0, type),
          "event argument");
    return value;
}

}  // namespace

HRESULT EventSink::Deliver(DISPID id, const DISPPARAMS& params) {
    host::HostEvents* receiver = receiver_;
    if (!receiver || id == DISPID_UNKNOWN) return S_OK;
    if (id == notifyBeacon_) {
        if (params.cArgs != 3) return DISP_E_BADPARAMCOUNT;
        const Variant callsign = Argument(params, 0, VT_BSTR);
        const Variant latitude = Argument(params, 1, VT_R4);
        const Variant longitude = Argument(params, 2, VT_R4);
        receiver->NotifyBeacon(FromBstr(V_BSTR(callsign.get())), V_R4(latitude.get()), V_R4(longitude.get()));
    } else if (id == dataAvailable_) {
        receiver->DataAvailable();
    } else if (id == closing_) {
        receiver->UIView32IsClosing();
    } else if (id == mapHasChanged_) {
        receiver->MapHasChanged();
    } else if (id == mapRedrawn_) {
        receiver->MapRedrawn();
    }
    return S_OK;
}

}  // namespace trivex::com
