// Late-bound calls through IDispatch, called with Invoke; a failure throws ComError.
// With its interface's members (InterfaceInfo) a call takes the member's id from there and
// passes every argument as the member declares it; names the members lack, or every name of
// an object without them, are looked up on the object (GetIDsOfNames, once each).
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "com/com_raii_win32.h"
#include "com/type_info_win32.h"

namespace trivex::com {

class Dispatch {
  public:
    explicit Dispatch(ComPtr<IDispatch> object, std::shared_ptr<const InterfaceInfo> members = nullptr)
        : object_(std::move(object)), members_(std::move(members)) {}

    [[nodiscard]] IDispatch* get() const { return object_.get(); }
    [[nodiscard]] const InterfaceInfo* members() const { return members_.get(); }
    // Another object of the same interface in this one's place.
    void Replace(ComPtr<IDispatch> object) {
        object_ = std::move(object);
        ids_.clear();
    }

    // Calls a method with the arguments in call order. By-reference arguments are VT_BYREF
    // variants pointing at storage the caller owns; the server's writes land there.
    Variant Call(const wchar_t* name, std::initializer_list<VARIANT> args);
    // Sets a property to a value (not by reference).
    void Put(const wchar_t* name, VARIANT value);
    void Put(const Member& property, VARIANT value);
    [[nodiscard]] Variant Get(const wchar_t* name);

  private:
    struct Target {
        DISPID id;
        const Member* member;  // nullptr: arguments pass as given
    };
    [[nodiscard]] Target Bind(const wchar_t* name, INVOKEKIND kind);
    [[nodiscard]] DISPID Id(const wchar_t* name);
    // The arguments come last first.
    void Invoke(Target target, const wchar_t* name, WORD flags, std::vector<VARIANT> args, VARIANT* result);

    ComPtr<IDispatch> object_;
    std::shared_ptr<const InterfaceInfo> members_;
    std::vector<std::pair<std::wstring, DISPID>> ids_;
};

// By-reference arguments.
[[nodiscard]] VARIANT ByRef(short* value);
[[nodiscard]] VARIANT ByRef(long* value);
[[nodiscard]] VARIANT ByRef(float* value);
[[nodiscard]] VARIANT ByRef(double* value);
[[nodiscard]] VARIANT ByRefBool(VARIANT_BOOL* value);
[[nodiscard]] VARIANT ByRef(BSTR* value);
[[nodiscard]] VARIANT ByRef(IDispatch** value);
[[nodiscard]] VARIANT ByRefStrings(SAFEARRAY** value);

// Values for property puts; the BSTR stays owned by the caller.
[[nodiscard]] VARIANT Value(short value);
[[nodiscard]] VARIANT Value(float value);
[[nodiscard]] VARIANT ValueBool(bool value);
[[nodiscard]] VARIANT Value(BSTR value);

// Conversions of a result; a value of another type is converted as the automation rules say.
[[nodiscard]] std::string ToString(const Variant& value, const wchar_t* name);
[[nodiscard]] float ToFloat(const Variant& value, const wchar_t* name);

[[nodiscard]] std::string Narrow(const wchar_t* name);

}  // namespace trivex::com
