// The object behind a window: its pointer, passed to CreateWindowEx, is kept in the window's
// user data from WM_NCCREATE until WM_NCDESTROY.
#pragma once

#include "win32/windows_api.h"

namespace trivex::win32 {

// The window's object for this message; null before WM_NCCREATE and after WM_NCDESTROY.
template <typename Object>
Object* WindowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* object = reinterpret_cast<Object*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return object;
}

}  // namespace trivex::win32
