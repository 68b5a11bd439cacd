// One move-only owner per kind of Win32 handle: the handle is released exactly once.
#pragma once

#include "win32/windows_api.h"

#include <utility>

namespace trivex::win32 {

// Release is the system function that frees a handle of the kind.
template <typename Handle, auto Release>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        const Handle old = std::exchange(handle_, handle);
        if (old != Handle{}) Release(old);
    }

  private:
    Handle handle_{};
};

using UniqueWindow = UniqueHandle<HWND, DestroyWindow>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenu>;
using UniqueFont = UniqueHandle<HFONT, DeleteObject>;
using UniqueAccelerators = UniqueHandle<HACCEL, DestroyAcceleratorTable>;
// Kernel objects; a file that failed to open is kept as null, not INVALID_HANDLE_VALUE.
using UniqueKernelObject = UniqueHandle<HANDLE, CloseHandle>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteObject>;
using UniqueMemoryDC = UniqueHandle<HDC, DeleteDC>;

}  // namespace trivex::win32
