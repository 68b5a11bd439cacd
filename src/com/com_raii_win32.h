// Move-only owners of COM resources: interface references, BSTRs, VARIANTs and SAFEARRAYs.
#pragma once

#include <utility>

#include "win32/windows_api.h"

namespace trivex::com {

// Owns one reference to an interface.
template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    // Takes over a reference the caller holds.
    explicit ComPtr(T* owned) : p_(owned) {}
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Adds a reference of its own to a pointer someone else owns.
    [[nodiscard]] static ComPtr Share(T* p) {
        if (p) p->AddRef();
        return ComPtr(p);
    }

    [[nodiscard]] T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // For an out-parameter: releases what is held first.
    [[nodiscard]] T** Out() {
        Reset();
        return &p_;
    }
    // For an in/out parameter: the callee may replace the pointer, releasing the old one.
    [[nodiscard]] T** InOut() { return &p_; }
    [[nodiscard]] void** OutVoid() { return reinterpret_cast<void**>(Out()); }

    [[nodiscard]] T* Detach() { return std::exchange(p_, nullptr); }
    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

    template <typename U>
    [[nodiscard]] ComPtr<U> As(REFIID iid) const {
        ComPtr<U> result;
        if (p_) p_->QueryInterface(iid, result.OutVoid());
        return result;
    }

  private:
    T* p_ = nullptr;
};

class Bstr {
  public:
    Bstr() = default;
    explicit Bstr(BSTR owned) : s_(owned) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept {
        if (this != &other) {
            SysFreeString(s_);
            s_ = std::exchange(other.s_, nullptr);
        }
        return *this;
    }
    ~Bstr() { SysFreeString(s_); }

    [[nodiscard]] BSTR get() const { return s_; }
    [[nodiscard]] BSTR* Out() {
        SysFreeString(std::exchange(s_, nullptr));
        return &s_;
    }
    [[nodiscard]] BSTR* InOut() { return &s_; }
    [[nodiscard]] BSTR Detach() { return std::exchange(s_, nullptr); }

  private:
    BSTR s_ = nullptr;
};

class Variant {
  public:
    Variant() { VariantInit(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
    Variant& operator=(Variant&& other) noexcept {
        if (this != &other) {
            VariantClear(&v_);
            v_ = other.v_;
            VariantInit(&other.v_);
        }
        return *this;
    }
    ~Variant() { VariantClear(&v_); }

    [[nodiscard]] VARIANT* get() { return &v_; }
    [[nodiscard]] const VARIANT* get() const { return &v_; }
    [[nodiscard]] VARIANT* Out() {
        VariantClear(&v_);
        return &v_;
    }

  private:
    VARIANT v_;
};

class SafeArray {
  public:
    SafeArray() = default;
    explicit SafeArray(SAFEARRAY* owned) : a_(owned) {}
    SafeArray(const SafeArray&) = delete;
    SafeArray& operator=(const SafeArray&) = delete;
    SafeArray(SafeArray&& other) noexcept : a_(std::exchange(other.a_, nullptr)) {}
    SafeArray& operator=(SafeArray&& other) noexcept {
        if (this != &other) {
            Reset();
            a_ = std::exchange(other.a_, nullptr);
        }
        return *this;
    }
    ~SafeArray() { Reset(); }

    [[nodiscard]] SAFEARRAY* get() const { return a_; }
    [[nodiscard]] SAFEARRAY** InOut() { return &a_; }
    [[nodiscard]] SAFEARRAY* Detach() { return std::exchange(a_, nullptr); }
    void Reset() {
        if (a_) SafeArrayDestroy(std::exchange(a_, nullptr));
    }

  private:
    SAFEARRAY* a_ = nullptr;
};

// The exception information of one IDispatch::Invoke. Its texts are freed whatever the call's
// outcome: a server may fill them on a failure other than DISP_E_EXCEPTION, or on success.
class ExcepInfo {
  public:
    ExcepInfo() = default;
    ExcepInfo(const ExcepInfo&) = delete;
    ExcepInfo& operator=(const ExcepInfo&) = delete;
    ~ExcepInfo() {
        SysFreeString(info_.bstrSource);
        SysFreeString(info_.bstrDescription);
        SysFreeString(info_.bstrHelpFile);
    }

    [[nodiscard]] EXCEPINFO* get() { return &info_; }
    EXCEPINFO* operator->() { return &info_; }

  private:
    EXCEPINFO info_{};
};

// The apartment of the calling thread: a single-threaded apartment, left again on
// destruction only if entering it succeeded.
class ComApartment {
  public:
    ComApartment() : result_(CoInitialize(nullptr)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    [[nodiscard]] HRESULT result() const { return result_; }

  private:
    HRESULT result_;
};

}  // namespace trivex::com
