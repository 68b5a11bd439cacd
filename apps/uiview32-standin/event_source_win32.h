// A connection point for one event interface, part of the object that fires the events: it
// shares that object's lifetime and keeps the sinks clients advise.
#pragma once

#include <initializer_list>
#include <vector>

#include "com/com_raii_win32.h"

namespace trivex::standin {

class EventSource final : public IConnectionPoint {
  public:
    EventSource(IConnectionPointContainer& owner, const IID& events, com::ComPtr<ITypeInfo> info);
    EventSource(const EventSource&) = delete;
    EventSource& operator=(const EventSource&) = delete;

    [[nodiscard]] bool Serves(REFIID iid) const { return iid == events_; }

    // Calls the event, with the arguments in call order, on every sink; a sink's failure
    // does not keep the event from the others.
    void Fire(const wchar_t* event, std::initializer_list<VARIANT> args);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

  private:
    struct Connection {
        DWORD cookie;
        com::ComPtr<IDispatch> sink;
    };

    IConnectionPointContainer& owner_;
    IID events_;
    com::ComPtr<ITypeInfo> info_;
    std::vector<Connection> connections_;
    DWORD nextCookie_ = 1;
};

}  // namespace trivex::standin
