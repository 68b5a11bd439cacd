#include "com/type_info_win32.h"

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

DISPID MemberId(ITypeInfo& info, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    auto* names = const_cast<LPOLESTR>(name);
    return SUCCEEDED(info.GetIDsOfNames(&names, 1, &id)) ? id : DISPID_UNKNOWN;
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

UINT FunctionCount(ITypeInfo& info) {
    TYPEATTR* attributes = nullptr;
    Check(info.GetTypeAttr(&attributes), "type attributes");
    const UINT count = attributes->cFuncs;
    info.ReleaseTypeAttr(attributes);
    return count;
}

bool SetsOneValueOf(const FUNCDESC& f, VARTYPE type) {
    if (!(f.invkind & (INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF)) || f.cParams != 1) return false;
    const TYPEDESC& t = f.lprgelemdescParam[0].tdesc;
    return t.vt == type || (t.vt == VT_PTR && t.lptdesc->vt == type);
}

}  // namespace

std::vector<DISPID> SettablePropertiesOfType(ITypeInfo& info, VARTYPE type) {
    std::vector<DISPID> ids;
    const UINT count = FunctionCount(info);
    for (UINT i = 0; i < count; ++i) {
        const FuncDesc f(info, i);
        if (f.get() && SetsOneValueOf(*f.get(), type)) ids.push_back(f.get()->memid);
    }
    return ids;
}

}  // namespace trivex::com
