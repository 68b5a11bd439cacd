#include "com/dispatch_win32.h"

#include <algorithm>
#include <iterator>

#include "com/com_error_win32.h"
#include "com/com_text_win32.h"
#include "com/declared_arguments_win32.h"

namespace trivex::com {

std::string Narrow(const wchar_t* name) {
    std::string text;
    for (; *name; ++name) text.push_back(static_cast<char>(*name));
    return text;
}

DISPID Dispatch::Id(const wchar_t* name) {
    auto known =
        std::find_if(ids_.begin(), ids_.end(), [&](const auto& entry) { return entry.first == name; });
    if (known != ids_.end()) return known->second;
    DISPID id = DISPID_UNKNOWN;
    auto* names = const_cast<LPOLESTR>(name);
    Check(object_->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id), Narrow(name));
    ids_.emplace_back(name, id);
    return id;
}

Dispatch::Target Dispatch::Bind(const wchar_t* name, INVOKEKIND kind) {
    const Member* member = members_ ? members_->Find(name, kind) : nullptr;
    return member ? Target{member->id, member} : Target{Id(name), nullptr};
}

Variant Dispatch::Call(const wchar_t* name, std::initializer_list<VARIANT> args) {
    Variant result;
    Invoke(Bind(name, INVOKE_FUNC), name, DISPATCH_METHOD,
           std::vector<VARIANT>(std::rbegin(args), std::rend(args)), result.get());
    return result;
}

void Dispatch::Put(const wchar_t* name, VARIANT value) {
    Invoke(Bind(name, INVOKE_PROPERTYPUT), name, DISPATCH_PROPERTYPUT, {value}, nullptr);
}

void Dispatch::Put(const Member& property, VARIANT value) {
    Invoke({property.id, &property}, property.name.c_str(), DISPATCH_PROPERTYPUT, {value}, nullptr);
}

Variant Dispatch::Get(const wchar_t* name) {
    Variant result;
    Invoke(Bind(name, INVOKE_PROPERTYGET), name, DISPATCH_PROPERTYGET, {}, result.get());
    return result;
}

void Dispatch::Invoke(Target target, const wchar_t* name, WORD flags, std::vector<VARIANT> args,
                      VARIANT* result) {
    DeclaredArguments declared(target.member, args.data(), static_cast<UINT>(args.size()), Narrow(name));
    DISPID named = DISPID_PROPERTYPUT;
    const bool put = flags == DISPATCH_PROPERTYPUT;
    DISPPARAMS params{declared.data(), put ? &named : nullptr, declared.size(), put ? 1u : 0u};
    ExcepInfo info;
    UINT badArgument = 0;
    const HRESULT hr = object_->Invoke(target.id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                       info.get(), &badArgument);
    if (FAILED(hr)) ThrowInvokeError(hr, info, Narrow(name));
    declared.WriteBack();
}

namespace {

template <typename Set>
VARIANT Make(VARTYPE type, Set set) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = type;
    set(v);
    return v;
}

}  // namespace

VARIANT ByRef(short* value) {
    return Make(VT_I2 | VT_BYREF, [&](VARIANT& v) { V_I2REF(&v) = value; });
}
VARIANT ByRef(long* value) {
    return Make(VT_I4 | VT_BYREF, [&](VARIANT& v) { V_I4REF(&v) = value; });
}
VARIANT ByRef(float* value) {
    return Make(VT_R4 | VT_BYREF, [&](VARIANT& v) { V_R4REF(&v) = value; });
}
VARIANT ByRef(double* value) {
    return Make(VT_R8 | VT_BYREF, [&](VARIANT& v) { V_R8REF(&v) = value; });
}
VARIANT ByRefBool(VARIANT_BOOL* value) {
    return Make(VT_BOOL | VT_BYREF, [&](VARIANT& v) { V_BOOLREF(&v) = value; });
}
VARIANT ByRef(BSTR* value) {
    return Make(VT_BSTR | VT_BYREF, [&](VARIANT& v) { V_BSTRREF(&v) = value; });
}
VARIANT ByRef(IDispatch** value) {
    return Make(VT_DISPATCH | VT_BYREF, [&](VARIANT& v) { V_DISPATCHREF(&v) = value; });
}
VARIANT ByRefStrings(SAFEARRAY** value) {
    return Make(VT_ARRAY | VT_BSTR | VT_BYREF, [&](VARIANT& v) { V_ARRAYREF(&v) = value; });
}

VARIANT Value(short value) {
    return Make(VT_I2, [&](VARIANT& v) { V_I2(&v) = value; });
}
VARIANT Value(float value) {
    return Make(VT_R4, [&](VARIANT& v) { V_R4(&v) = value; });
}
VARIANT ValueBool(bool value) {
    return Make(VT_BOOL, [&](VARIANT& v) { V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE; });
}
VARIANT Value(BSTR value) {
    return Make(VT_BSTR, [&](VARIANT& v) { V_BSTR(&v) = value; });
}

namespace {

Variant Converted(const Variant& value, VARTYPE type, const wchar_t* name) {
    Variant result;
    Check(VariantChangeType(result.get(), const_cast<VARIANT*>(value.get()), 0, type), Narrow(name));
    return result;
}

}  // namespace

std::string ToString(const Variant& value, const wchar_t* name) {
    return FromBstr(V_BSTR(Converted(value, VT_BSTR, name).get()));
}

float ToFloat(const Variant& value, const wchar_t* name) {
    return V_R4(Converted(value, VT_R4, name).get());
}

}  // namespace trivex::com
