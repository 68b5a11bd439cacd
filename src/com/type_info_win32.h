// The host's type information: the members of an interface with their ids and declared
// parameter types, read from its registered type library or from an object of it.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "com/com_raii_win32.h"

namespace trivex::com {

// The type information of an interface or event interface, found through the type library
// registered for it (HKEY_CLASSES_ROOT\Interface\{iid}\TypeLib). Throws ComError.
[[nodiscard]] ComPtr<ITypeInfo> RegisteredTypeInfo(const IID& iid);

// The type information of an interface or event interface: through the registered type
// library, else the object's own type information when it is of that interface, else the
// interface's in the library that holds the object's own. Throws ComError.
[[nodiscard]] ComPtr<ITypeInfo> FindTypeInfo(const IID& iid, IDispatch& object);

// Whether the object has the interface: it answers QueryInterface for it, or, where the
// interface cannot reach this process without its registered type library, its own type
// information is that of the interface.
[[nodiscard]] bool IsOfInterface(IDispatch& object, const IID& iid);

// A parameter's declared type: a variant type (VT_ARRAY | element for arrays), and whether it
// passes by reference. VT_EMPTY when the declaration has no variant type (a named interface,
// a pointer to a pointer): such an argument passes as the caller gives it.
struct ParamType {
    VARTYPE type = VT_EMPTY;
    bool byRef = false;
};

struct Member {
    std::wstring name;
    DISPID id = DISPID_UNKNOWN;
    INVOKEKIND kind = INVOKE_FUNC;
    std::vector<ParamType> params;
};

// The members of one interface, read once; its ids and types hold for every object of it.
class InterfaceInfo {
  public:
    // Reads every member; throws ComError when the information cannot be read.
    explicit InterfaceInfo(ITypeInfo& info);

    // The member called so (names compare as COM compares them, without case), or nullptr.
    [[nodiscard]] const Member* Find(const wchar_t* name, INVOKEKIND kind) const;
    [[nodiscard]] const Member* Find(DISPID id, INVOKEKIND kind) const;
    // The property puts of one parameter of one of the types, in interface order.
    [[nodiscard]] std::vector<const Member*> SettersOf(std::initializer_list<VARTYPE> types) const;

  private:
    std::vector<Member> members_;
};

// The interfaces met so far, each read once, as FindTypeInfo finds them through the first
// object. Where none is found the interface has none (nullptr), and its objects look names
// up themselves.
class InterfaceCatalog {
  public:
    [[nodiscard]] std::shared_ptr<const InterfaceInfo> For(const IID& iid, IDispatch& object);

  private:
    std::vector<std::pair<IID, std::shared_ptr<const InterfaceInfo>>> known_;
};

}  // namespace trivex::com
