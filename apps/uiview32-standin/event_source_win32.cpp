#include "event_source_win32.h"

#include <algorithm>

namespace trivex::standin {

EventSource::EventSource(IConnectionPointContainer& owner, const IID& events, com::ComPtr<ITypeInfo> info)
    : owner_(owner), events_(events), info_(std::move(info)) {}

void EventSource::Fire(const wchar_t* event, std::initializer_list<VARIANT> args) {
    DISPID id = DISPID_UNKNOWN;
    auto* name = const_cast<LPOLESTR>(event);
    if (FAILED(info_->GetIDsOfNames(&name, 1, &id))) return;
    std::vector<VARIANT> reversed(args.begin(), args.end());
    std::reverse(reversed.begin(), reversed.end());
    // A sink may unadvise while it handles the event.
    std::vector<com::ComPtr<IDispatch>> sinks;
    for (const Connection& c : connections_) sinks.push_back(com::ComPtr<IDispatch>::Share(c.sink.get()));
    for (const auto& sink : sinks) {
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
}

HRESULT EventSource::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IConnectionPoint) {
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT EventSource::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = events_;
    return S_OK;
}

HRESULT EventSource::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    owner_.AddRef();
    *container = &owner_;
    return S_OK;
}

HRESULT EventSource::Advise(IUnknown* sink, DWORD* cookie) {
    if (!sink || !cookie) return E_POINTER;
    com::ComPtr<IDispatch> events;
    if (FAILED(sink->QueryInterface(events_, events.OutVoid()))) return CONNECT_E_CANNOTCONNECT;
    *cookie = nextCookie_++;
    connections_.push_back({*cookie, std::move(events)});
    return S_OK;
}

HRESULT EventSource::Unadvise(DWORD cookie) {
    auto found = std::find_if(connections_.begin(), connections_.end(),
                              [&](const Connection& c) { return c.cookie == cookie; });
    if (found == connections_.end()) return CONNECT_E_NOCONNECTION;
    // Released after it has left the list: releasing may call back into this server.
    com::ComPtr<IDispatch> sink = std::move(found->sink);
    connections_.erase(found);
    return S_OK;
}

HRESULT EventSource::EnumConnections(IEnumConnections** connections) {
    if (connections) *connections = nullptr;
    return E_NOTIMPL;
}

}  // namespace trivex::standin
