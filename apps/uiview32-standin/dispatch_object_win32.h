// The base of the stand-in's COM objects: reference counting, QueryInterface, and IDispatch
// through the type library (DispInvoke on the dual interface's vtable), or through the wide
// one when the server is switched to it. An operation that
// fails reaches the caller as an exception (DISP_E_EXCEPTION) carrying its message.
#pragma once

#include <exception>
#include <optional>
#include <string>
#include <utility>

#include "com/com_raii_win32.h"
#include "com/com_text_win32.h"
#include "server_state_win32.h"

namespace trivex::standin {

// Lets the server recognise its own objects when a client passes one back.
inline constexpr GUID kServerObjectIid = {
    0x1BFF524C, 0xDBC3, 0x42FD, {0xAB, 0x8A, 0xCB, 0x0C, 0x9E, 0xC9, 0x2D, 0xFC}};

class ServerObject {
  public:
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE Release() = 0;

  protected:
    virtual ~ServerObject() = default;
};

// The failure code of a host operation, with the message in the exception information.
inline constexpr HRESULT kHostFailure = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x201);

template <typename Interface, typename... Extras>
class DispatchObject : public Interface, public Extras..., public ServerObject {
  public:
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Interface))
            *out = static_cast<Interface*>(this);
        else if (iid == kServerObjectIid)
            *out = static_cast<ServerObject*>(this);
        else if (!(false || ... || OfferExtra<Extras>(iid, out)))
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        com::ComPtr<ITypeInfo> wide =
            server_.Wide() ? server_.Wide()->TypeInfo(__uuidof(Interface)) : com::ComPtr<ITypeInfo>();
        *info = wide ? wide.Detach() : com::ComPtr<ITypeInfo>::Share(dispatchInfo_.get()).Detach();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        return DispGetIDsOfNames(vtableInfo_.get(), names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* badArgument) override {
        if (exception && server_.TakeMisbehaviour(MemberName(id), kFailWithTexts))
            return FailWithTexts(*exception);
        const auto dispatch = [&](DISPPARAMS& declared) {
            return DispInvoke(static_cast<Interface*>(this), vtableInfo_.get(), id, flags, &declared, result,
                              exception, badArgument);
        };
        const WideIntegers* wide = server_.Wide();
        const HRESULT hr = wide && params
                               ? wide->Invoke(__uuidof(Interface), id, flags, *params, badArgument, dispatch)
                               : DispInvoke(static_cast<Interface*>(this), vtableInfo_.get(), id, flags,
                                            params, result, exception, badArgument);
        std::optional<std::string> error = std::exchange(error_, std::nullopt);
        if (SUCCEEDED(hr) || !error) return hr;
        if (exception) {
            SysFreeString(exception->bstrSource);
            SysFreeString(exception->bstrDescription);
            SysFreeString(exception->bstrHelpFile);
            *exception = EXCEPINFO{};
            exception->bstrSource = SysAllocString(L"UIView32");
            exception->bstrDescription = com::ToBstr(*error).Detach();
            exception->scode = kHostFailure;
        }
        return DISP_E_EXCEPTION;
    }

  protected:
    DispatchObject(ServerState& state, const IID& iid)
        : server_(state), dispatchInfo_(state.TypeInfo(iid)), vtableInfo_(state.VtableInfo(iid)) {
        LockServer();
    }
    ~DispatchObject() override { UnlockServer(); }

    // Runs the body of an operation; an exception becomes kHostFailure and its message.
    template <typename Body>
    [[nodiscard]] HRESULT Run(Body&& body) noexcept {
        try {
            body();
            return S_OK;
        } catch (const std::exception& e) {
            error_ = e.what();
        } catch (...) {
            error_ = "unexpected failure";
        }
        return kHostFailure;
    }

  private:
    [[nodiscard]] std::string MemberName(DISPID id) const {
        com::Bstr name;
        if (FAILED(dispatchInfo_->GetDocumentation(id, name.Out(), nullptr, nullptr, nullptr))) return {};
        return com::FromBstr(name.get());
    }

    // Against the rules: exception texts, and large ones, with a failure other than DISP_E_EXCEPTION.
    [[nodiscard]] static HRESULT FailWithTexts(EXCEPINFO& exception) {
        constexpr size_t kTextLength = size_t{1} << 20;
        const std::wstring text(kTextLength, L'x');
        exception = EXCEPINFO{};
        exception.bstrSource = SysAllocString(L"UIView32");
        exception.bstrDescription = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return E_FAIL;
    }

    template <typename Extra>
    [[nodiscard]] bool OfferExtra(REFIID iid, void** out) {
        if (iid != __uuidof(Extra)) return false;
        *out = static_cast<Extra*>(this);
        return true;
    }

    ULONG references_ = 1;
    ServerState& server_;
    com::ComPtr<ITypeInfo> dispatchInfo_, vtableInfo_;
    std::optional<std::string> error_;
};

// The server's own object of type T behind an interface a client passed, or nothing.
template <typename T>
[[nodiscard]] com::ComPtr<T> OwnObject(IUnknown* object) {
    com::ComPtr<ServerObject> own;
    if (!object || FAILED(object->QueryInterface(kServerObjectIid, own.OutVoid()))) return {};
    return com::ComPtr<T>::Share(dynamic_cast<T*>(own.get()));
}

}  // namespace trivex::standin
