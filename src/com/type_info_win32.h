// The host's type information, read from its registered type library on this machine.
#pragma once

#include <vector>

#include "com/com_raii_win32.h"

namespace trivex::com {

// The type information of an interface or event interface, found through the type library
// registered for it (HKEY_CLASSES_ROOT\Interface\{iid}\TypeLib). Throws ComHostError.
ComPtr<ITypeInfo> RegisteredTypeInfo(const IID& iid);

// The member id of a name, or DISPID_UNKNOWN when the type has no such member.
DISPID MemberId(ITypeInfo& info, const wchar_t* name);

// The ids of the properties that can be set to one value of the type, in interface order.
std::vector<DISPID> SettablePropertiesOfType(ITypeInfo& info, VARTYPE type);

}  // namespace trivex::com
