// The IUnknown part of a COM message filter that lives as long as its owner, who outlasts
// its registration: no reference counting.
#pragma once

#include "win32/windows_api.h"

namespace trivex::com {

class MessageFilter : public IMessageFilter {
  public:
    MessageFilter() = default;
    MessageFilter(const MessageFilter&) = delete;
    MessageFilter& operator=(const MessageFilter&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out =
            iid == IID_IUnknown || iid == IID_IMessageFilter ? static_cast<IMessageFilter*>(this) : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

  protected:
    ~MessageFilter() = default;
};

}  // namespace trivex::com
