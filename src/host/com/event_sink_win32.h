// The receiving end of one of the host's event interfaces: an IDispatch whose Invoke passes
// the events on to a host::HostEvents. It only forwards (the receiver queues) and never lets
// an exception out to the caller.
#pragma once

#include <atomic>

#include "com/com_raii_win32.h"
#include "com/type_info_win32.h"
#include "host/host.h"

namespace trivex::com {

class EventSink final : public IDispatch {
  public:
    // The event ids are looked up by name among the event interface's members.
    EventSink(const IID& events, const InterfaceInfo& info);
    EventSink(const EventSink&) = delete;
    EventSink& operator=(const EventSink&) = delete;

    // nullptr drops events from now on.
    void Forward(host::HostEvents* receiver) { receiver_ = receiver; }

    // Sinks alive in this process, for leak checks.
    [[nodiscard]] static long Alive() { return alive_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* badArgument) override;

  private:
    ~EventSink();
    [[nodiscard]] HRESULT Deliver(DISPID id, const DISPPARAMS& params);

    static inline std::atomic<long> alive_{0};
    std::atomic<ULONG> references_{1};
    IID events_;
    host::HostEvents* receiver_ = nullptr;
    DISPID dataAvailable_, notifyBeacon_, closing_, mapHasChanged_, mapRedrawn_;
};

}  // namespace trivex::com
