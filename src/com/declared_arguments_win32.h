// The arguments of one late-bound call converted to the types its member declares, by value
// or by reference as declared. An argument that already has the declared type passes as it
// is; a converted by-reference argument is written back to the caller's storage after the call.
#pragma once

#include <string>
#include <vector>

#include "com/type_info_win32.h"

namespace trivex::com {

class DeclaredArguments {
  public:
    // The arguments come last first, as DISPPARAMS holds them, and must outlive this. With no
    // declaration, or one of another count, they pass as given. Throws ComError when an
    // argument cannot take its declared type.
    DeclaredArguments(const Member* member, VARIANT* given, UINT count, const std::string& what);
    DeclaredArguments(const DeclaredArguments&) = delete;
    DeclaredArguments& operator=(const DeclaredArguments&) = delete;

    [[nodiscard]] VARIANT* data() { return passed_.data(); }
    [[nodiscard]] UINT size() const { return static_cast<UINT>(passed_.size()); }
    // Takes what the server left in the converted by-reference arguments into the caller's
    // storage; throws ComError when a value does not fit the caller's type.
    void WriteBack();

  private:
    [[nodiscard]] VARIANT Convert(const VARIANT& given, ParamType declared);

    struct Returned {
        VARIANT target;  // the caller's by-reference argument
        VARIANT* value;  // what the server got in its place
    };
    std::string what_;
    std::vector<VARIANT> passed_;
    std::vector<Variant> converted_;  // reserved up front: passed_ points into it
    std::vector<Returned> returned_;
};

}  // namespace trivex::com
