// Late-bound calls through IDispatch: members are looked up by name (GetIDsOfNames, cached
// per object) and called with Invoke. A failure throws ComHostError.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "com/com_raii_win32.h"

namespace trivex::com {

class Dispatch {
  public:
    explicit Dispatch(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    IDispatch* get() const { return object_.get(); }
    DISPID Id(const wchar_t* name);

    // Calls a method with the arguments in call order. By-reference arguments are VT_BYREF
    // variants pointing at storage the caller owns; the server's writes land there.
    Variant Call(const wchar_t* name, std::initializer_list<VARIANT> args);
    // Sets a property to a value (not by reference).
    void Put(DISPID id, const wchar_t* name, VARIANT value);
    void Put(const wchar_t* name, VARIANT value) { Put(Id(name), name, value); }
    Variant Get(const wchar_t* name);

  private:
    void Invoke(DISPID id, const wchar_t* name, WORD flags, DISPPARAMS& params, VARIANT* result);

    ComPtr<IDispatch> object_;
    std::vector<std::pair<std::wstring, DISPID>> ids_;
};

// By-reference arguments.
VARIANT ByRef(short* value);
VARIANT ByRef(long* value);
VARIANT ByRef(float* value);
VARIANT ByRef(double* value);
VARIANT ByRefBool(VARIANT_BOOL* value);
VARIANT ByRef(BSTR* value);
VARIANT ByRef(IDispatch** value);
VARIANT ByRefStrings(SAFEARRAY** value);

// Values for property puts; the BSTR stays owned by the caller.
VARIANT Value(short value);
VARIANT Value(float value);
VARIANT ValueBool(bool value);
VARIANT Value(BSTR value);

// Conversions of a result; a value of another type is converted as the automation rules say.
std::string ToString(const Variant& value, const wchar_t* name);
float ToFloat(const Variant& value, const wchar_t* name);

std::string Narrow(const wchar_t* name);

}  // namespace trivex::com
