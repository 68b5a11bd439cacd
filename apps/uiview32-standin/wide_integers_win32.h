// The host's interfaces as the stand-in's second type library declares them: 32-bit integers
// where the first has 16-bit ones. A server bound to that library takes a by-reference
// argument only of the declared type; the objects' own code keeps the first library's types,
// so a call is checked against the second and then converted to the first.
#pragma once

#include <vector>

#include "com/com_error_win32.h"
#include "com/declared_arguments_win32.h"
#include "com/type_info_win32.h"

namespace trivex::standin {

class WideIntegers {
  public:
    // The two libraries; only the host's four object interfaces are taken from them.
    WideIntegers(ITypeLib& wide, ITypeLib& standard);

    // The wide library's type information of the interface, or nothing for another interface.
    [[nodiscard]] com::ComPtr<ITypeInfo> TypeInfo(const IID& iid) const;

    // Invokes through `call` (DispInvoke on the first library's types) with the arguments
    // converted to the first library's declaration; DISP_E_TYPEMISMATCH, with the argument's
    // position, for a by-reference argument not of the wide declaration's type.
    template <typename Call>
    [[nodiscard]] HRESULT Invoke(const IID& iid, DISPID id, WORD flags, DISPPARAMS& params, UINT* badArgument,
                                 Call call) const;

  private:
    struct Interface {
        IID iid;
        com::ComPtr<ITypeInfo> wideInfo;
        com::InterfaceInfo wide, standard;
    };
    [[nodiscard]] const Interface* Find(const IID& iid) const;
    // The two declarations of the member, or nullptrs.
    [[nodiscard]] std::pair<const com::Member*, const com::Member*> Members(const IID& iid, DISPID id,
                                                                            WORD flags) const;
    [[nodiscard]] static HRESULT Check(const com::Member& wide, const DISPPARAMS& params, UINT* badArgument);

    std::vector<Interface> interfaces_;
};

template <typename Call>
HRESULT WideIntegers::Invoke(const IID& iid, DISPID id, WORD flags, DISPPARAMS& params, UINT* badArgument,
                             Call call) const {
    const auto [wide, standard] = Members(iid, id, flags);
    if (!wide || !standard) return call(params);
    if (const HRESULT hr = Check(*wide, params, badArgument); FAILED(hr)) return hr;
    try {
        com::DeclaredArguments narrowed(standard, params.rgvarg, params.cArgs, "");
        DISPPARAMS converted = params;
        converted.rgvarg = narrowed.data();
        const HRESULT hr = call(converted);
        if (SUCCEEDED(hr)) narrowed.WriteBack();
        return hr;
    } catch (const com::ComError& e) {
        return e.code();
    }
}

}  // namespace trivex::standin
