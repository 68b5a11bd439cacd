#include "wide_integers_win32.h"

#include <uiview32.h>

namespace trivex::standin {

namespace {

com::ComPtr<ITypeInfo> InfoOf(ITypeLib& library, const IID& iid) {
    com::ComPtr<ITypeInfo> info;
    com::Check(library.GetTypeInfoOfGuid(iid, info.Out()), "type information");
    return info;
}

INVOKEKIND KindOf(WORD flags) {
    if (flags & DISPATCH_METHOD) return INVOKE_FUNC;
    if (flags & DISPATCH_PROPERTYGET) return INVOKE_PROPERTYGET;
    return (flags & DISPATCH_PROPERTYPUT) ? INVOKE_PROPERTYPUT : INVOKE_PROPERTYPUTREF;
}

}  // namespace

WideIntegers::WideIntegers(ITypeLib& wide, ITypeLib& standard) {
    for (const IID* iid : {&IID__UivMap, &IID__UivStationInfo, &IID__UivObject, &IID__UivApplication}) {
        com::ComPtr<ITypeInfo> wideInfo = InfoOf(wide, *iid);
        com::InterfaceInfo wideMembers(*wideInfo.get());
        interfaces_.push_back({*iid, std::move(wideInfo), std::move(wideMembers),
                               com::InterfaceInfo(*InfoOf(standard, *iid).get())});
    }
}

const WideIntegers::Interface* WideIntegers::Find(const IID& iid) const {
    for (const Interface& i : interfaces_)
        if (IsEqualIID(i.iid, iid)) return &i;
    return nullptr;
}

com::ComPtr<ITypeInfo> WideIntegers::TypeInfo(const IID& iid) const {
    const Interface* found = Find(iid);
    return found ? com::ComPtr<ITypeInfo>::Share(found->wideInfo.get()) : com::ComPtr<ITypeInfo>();
}

std::pair<const com::Member*, const com::Member*> WideIntegers::Members(const IID& iid, DISPID id,
                                                                        WORD flags) const {
    const Interface* found = Find(iid);
    if (!found) return {nullptr, nullptr};
    return {found->wide.Find(id, KindOf(flags)), found->standard.Find(id, KindOf(flags))};
}

HRESULT WideIntegers::Check(const com::Member& wide, const DISPPARAMS& params, UINT* badArgument) {
    if (wide.params.size() != params.cArgs) return DISP_E_BADPARAMCOUNT;
    for (UINT i = 0; i < params.cArgs; ++i) {
        const com::ParamType declared = wide.params[i];
        const UINT position = params.cArgs - 1 - i;  // DISPPARAMS holds the last argument first
        if (declared.byRef && V_VT(&params.rgvarg[position]) != (VT_BYREF | declared.type)) {
            if (badArgument) *badArgument = position;
            return DISP_E_TYPEMISMATCH;
        }
    }
    return S_OK;
}

}  // namespace trivex::standin
