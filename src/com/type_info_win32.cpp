#include "com/type_info_win32.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "com/com_error_win32.h"
#include "com/dispatch_win32.h"

namespace trivex::com {

namespace {

std::wstring GuidText(const GUID& guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

// Reads a string value of HKEY_CLASSES_ROOT\key; empty when absent.
std::wstring ReadClassesValue(const std::wstring& key, const wchar_t* value) {
    wchar_t data[128] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), value, RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS)
        return {};
    return data;
}

}  // namespace

ComPtr<ITypeInfo> RegisteredTypeInfo(const IID& iid) {
    const std::wstring key = L"Interface\\" + GuidText(iid) + L"\\TypeLib";
    const std::string what = "type library of " + Narrow(key.c_str());
    const std::wstring library = ReadClassesValue(key, nullptr);
    const std::wstring version = ReadClassesValue(key, L"Version");
    GUID libraryId{};
    if (library.empty() || FAILED(CLSIDFromString(library.c_str(), &libraryId)))
        Check(TYPE_E_LIBNOTREGISTERED, what);
    // The version is "major.minor" in hexadecimal.
    wchar_t* minor = nullptr;
    const auto major = static_cast<WORD>(std::wcstoul(version.c_str(), &minor, 16));
    const auto minorNumber = static_cast<WORD>(*minor == L'.' ? std::wcstoul(minor + 1, nullptr, 16) : 0);
    ComPtr<ITypeLib> typeLib;
    Check(LoadRegTypeLib(libraryId, major, minorNumber, LOCALE_NEUTRAL, typeLib.Out()), what);
    ComPtr<ITypeInfo> info;
    Check(typeLib->GetTypeInfoOfGuid(iid, info.Out()), what);
    return info;
}

namespace {

// A FUNCDESC, released when it goes.
class FuncDesc {
  public:
    FuncDesc(ITypeInfo& info, UINT index) : info_(info) { info.GetFuncDesc(index, &desc_); }
    FuncDesc(const FuncDesc&) = delete;
    FuncDesc& operator=(const FuncDesc&) = delete;
    ~FuncDesc() {
        if (desc_) info_.ReleaseFuncDesc(desc_);
    }
    const FUNCDESC* get() const { return desc_; }

  private:
    ITypeInfo& info_;
    FUNCDESC* desc_ = nullptr;
};

// A TYPEATTR, released when it goes; throws ComError when there is none.
class TypeAttr {
  public:
    explicit TypeAttr(ITypeInfo& info) : info_(info) { Check(info.GetTypeAttr(&attr_), "type attributes"); }
    TypeAttr(const TypeAttr&) = delete;
    TypeAttr& operator=(const TypeAttr&) = delete;
    ~TypeAttr() { info_.ReleaseTypeAttr(attr_); }
    const TYPEATTR* operator->() const { return attr_; }

  private:
    ITypeInfo& info_;
    TYPEATTR* attr_ = nullptr;
};

// The types a variant holds by value or by reference.
bool IsVariantType(VARTYPE type) {
    switch (type) {
        case VT_I1:
        case VT_I2:
        case VT_I4:
        case VT_I8:
        case VT_INT:
        case VT_UI1:
        case VT_UI2:
        case VT_UI4:
        case VT_UI8:
        case VT_UINT:
        case VT_R4:
        case VT_R8:
        case VT_CY:
        case VT_DATE:
        case VT_BSTR:
        case VT_BOOL:
        case VT_ERROR:
        case VT_VARIANT:
        case VT_DISPATCH:
        case VT_UNKNOWN:
            return true;
        default:
            return false;
    }
}

ParamType TypeOf(const TYPEDESC& declared) {
    const bool byRef = declared.vt == VT_PTR;
    const TYPEDESC& base = byRef ? *declared.lptdesc : declared;
    if (base.vt == VT_SAFEARRAY && IsVariantType(base.lptdesc->vt))
        return {static_cast<VARTYPE>(VT_ARRAY | base.lptdesc->vt), byRef};
    if (IsVariantType(base.vt)) return {base.vt, byRef};
    return {};
}

Member MemberOf(ITypeInfo& info, const FUNCDESC& f) {
    Member member{{}, f.memid, f.invkind, {}};
    Bstr name;
    UINT names = 0;
    Check(info.GetNames(f.memid, name.Out(), 1, &names), "member names");
    if (names == 1 && name.get()) member.name = name.get();
    for (SHORT i = 0; i < f.cParams; ++i) member.params.push_back(TypeOf(f.lprgelemdescParam[i].tdesc));
    return member;
}

// The object's own type information, or nothing.
ComPtr<ITypeInfo> OwnTypeInfo(IDispatch& object) {
    UINT count = 0;
    ComPtr<ITypeInfo> info;
    if (FAILED(object.GetTypeInfoCount(&count)) || count == 0 ||
        FAILED(object.GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Out())) || !info)
        return {};
    return info;
}

bool Describes(ITypeInfo& info, const IID& iid) {
    return IsEqualIID(TypeAttr(info)->guid, iid);
}

// The interface's type information from the object's own, or from the library that holds it.
ComPtr<ITypeInfo> TypeInfoThrough(IDispatch& object, const IID& iid) {
    ComPtr<ITypeInfo> own = OwnTypeInfo(object);
    if (!own || Describes(*own.get(), iid)) return own;
    ComPtr<ITypeLib> library;
    UINT index = 0;
    ComPtr<ITypeInfo> info;
    if (FAILED(own->GetContainingTypeLib(library.Out(), &index)) ||
        FAILED(library->GetTypeInfoOfGuid(iid, info.Out())))
        return {};
    return info;
}

std::shared_ptr<const InterfaceInfo> ReadInterface(const IID& iid, IDispatch& object) {
    try {
        return std::make_shared<const InterfaceInfo>(*FindTypeInfo(iid, object).get());
    } catch (const ComError&) {
        return nullptr;  // unreadable type information is as good as none
    }
}

}  // namespace

ComPtr<ITypeInfo> FindTypeInfo(const IID& iid, IDispatch& object) {
    try {
        return RegisteredTypeInfo(iid);
    } catch (const ComError&) {
        ComPtr<ITypeInfo> info = TypeInfoThrough(object, iid);
        if (!info) throw;
        return info;
    }
}

bool IsOfInterface(IDispatch& object, const IID& iid) {
    ComPtr<IUnknown> asked;
    if (SUCCEEDED(object.QueryInterface(iid, asked.OutVoid()))) return true;
    ComPtr<ITypeInfo> own = OwnTypeInfo(object);
    return own && Describes(*own.get(), iid);
}

InterfaceInfo::InterfaceInfo(ITypeInfo& info) {
    const UINT count = TypeAttr(info)->cFuncs;
    for (UINT i = 0; i < count; ++i) {
        const FuncDesc f(info, i);
        if (f.get()) members_.push_back(MemberOf(info, *f.get()));
    }
}

const Member* InterfaceInfo::Find(const wchar_t* name, INVOKEKIND kind) const {
    for (const Member& m : members_)
        if (m.kind == kind && _wcsicmp(m.name.c_str(), name) == 0) return &m;
    return nullptr;
}

const Member* InterfaceInfo::Find(DISPID id, INVOKEKIND kind) const {
    for (const Member& m : members_)
        if (m.kind == kind && m.id == id) return &m;
    return nullptr;
}

std::vector<const Member*> InterfaceInfo::SettersOf(std::initializer_list<VARTYPE> types) const {
    std::vector<const Member*> setters;
    for (const Member& m : members_)
        if (m.kind == INVOKE_PROPERTYPUT && m.params.size() == 1 &&
            std::find(types.begin(), types.end(), m.params[0].type) != types.end())
            setters.push_back(&m);
    return setters;
}

std::shared_ptr<const InterfaceInfo> InterfaceCatalog::For(const IID& iid, IDispatch& object) {
    for (const auto& [known, info] : known_)
        if (IsEqualIID(known, iid)) return info;
    return known_.emplace_back(iid, ReadInterface(iid, object)).second;
}

}  // namespace trivex::com
