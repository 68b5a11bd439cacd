// One move-only owner per kind of Win32 handle: the handle is released exactly once.
#pragma once

#include "ui/win32/windows_api.h"

#include <utility>

namespace trivex::win32 {

template <typename Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

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

    [[nodiscard]] Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    [[nodiscard]] Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        const Handle old = std::exchange(handle_, handle);
        if (old != Handle{}) Traits::Release(old);
    }

  private:
    Handle handle_{};
};

struct WindowTraits {
    using Handle = HWND;
    static void Release(HWND handle) { DestroyWindow(handle); }
};
struct MenuTraits {
    using Handle = HMENU;
    static void Release(HMENU handle) { DestroyMenu(handle); }
};
struct FontTraits {
    using Handle = HFONT;
    static void Release(HFONT handle) { DeleteObject(handle); }
};
struct AcceleratorTraits {
    using Handle = HACCEL;
    static void Release(HACCEL handle) { DestroyAcceleratorTable(handle); }
};
// Kernel objects; a file that failed to open is kept as null, not INVALID_HANDLE_VALUE.
struct KernelTraits {
    using Handle = HANDLE;
    static void Release(HANDLE handle) { CloseHandle(handle); }
};
struct BitmapTraits {
    using Handle = HBITMAP;
    static void Release(HBITMAP handle) { DeleteObject(handle); }
};
struct DeviceContextTraits {
    using Handle = HDC;
    static void Release(HDC handle) { DeleteDC(handle); }
};

using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueFont = UniqueHandle<FontTraits>;
using UniqueAccelerators = UniqueHandle<AcceleratorTraits>;
using UniqueKernelObject = UniqueHandle<KernelTraits>;
using UniqueBitmap = UniqueHandle<BitmapTraits>;
using UniqueMemoryDC = UniqueHandle<DeviceContextTraits>;

}  // namespace trivex::win32
