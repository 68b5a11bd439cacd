#include "com/declared_arguments_win32.h"

#include <cstring>

#include "com/com_error_win32.h"

namespace trivex::com {

namespace {

// Where a variant of the type keeps its value, and how many bytes that takes.
void* DataOf(VARIANT& v, VARTYPE type) {
    return type == VT_VARIANT ? static_cast<void*>(&v) : &V_I1(&v);
}

size_t SizeOf(VARTYPE type) {
    if (type & VT_ARRAY) return sizeof(SAFEARRAY*);
    switch (type) {
        case VT_I1:
        case VT_UI1:
            return 1;
        case VT_I2:
        case VT_UI2:
        case VT_BOOL:
            return 2;
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_R4:
        case VT_ERROR:
            return 4;
        case VT_VARIANT:
            return sizeof(VARIANT);
        case VT_BSTR:
        case VT_DISPATCH:
        case VT_UNKNOWN:
            return sizeof(void*);
        default:
            return 8;
    }
}

// Replaces what a by-reference argument points at with the value (of the argument's type),
// releasing what it held before; the value is taken over.
void StoreThrough(const VARIANT& target, VARIANT& value) {
    const auto type = static_cast<VARTYPE>(V_VT(&target) & ~VT_BYREF);
    void* slot = V_BYREF(&target);
    VARIANT old;
    VariantInit(&old);
    if (type != VT_VARIANT) V_VT(&old) = type;
    std::memcpy(DataOf(old, type), slot, SizeOf(type));
    VariantClear(&old);
    std::memcpy(slot, DataOf(value, type), SizeOf(type));
    VariantInit(&value);
}

}  // namespace

DeclaredArguments::DeclaredArguments(const Member* member, VARIANT* given, UINT count,
                                     const std::string& what)
    : what_(what), passed_(given, given + count) {
    if (!member || member->params.size() != count) return;
    converted_.reserve(count);
    for (UINT i = 0; i < count; ++i)
        passed_[count - 1 - i] = Convert(given[count - 1 - i], member->params[i]);
}

VARIANT DeclaredArguments::Convert(const VARIANT& given, ParamType declared) {
    const auto wanted = static_cast<VARTYPE>(declared.type | (declared.byRef ? VT_BYREF : 0));
    if (declared.type == VT_EMPTY || V_VT(&given) == wanted || (wanted == VT_VARIANT && !V_ISBYREF(&given)))
        return given;
    Variant& value = converted_.emplace_back();
    if (declared.type == VT_VARIANT)
        Check(VariantCopyInd(value.get(), const_cast<VARIANT*>(&given)), what_);
    else
        Check(VariantChangeType(value.get(), const_cast<VARIANT*>(&given), 0, declared.type), what_);
    if (!declared.byRef) return *value.get();
    VARIANT reference;
    VariantInit(&reference);
    V_VT(&reference) = wanted;
    V_BYREF(&reference) = DataOf(*value.get(), declared.type);
    if (V_ISBYREF(&given)) returned_.push_back({given, value.get()});
    return reference;
}

void DeclaredArguments::WriteBack() {
    for (const Returned& r : returned_) {
        const auto type = static_cast<VARTYPE>(V_VT(&r.target) & ~VT_BYREF);
        Variant back;
        if (type == VT_VARIANT)
            Check(VariantCopy(back.get(), r.value), what_);
        else
            Check(VariantChangeType(back.get(), r.value, 0, type), what_);
        StoreThrough(r.target, *back.get());
    }
}

}  // namespace trivex::com
