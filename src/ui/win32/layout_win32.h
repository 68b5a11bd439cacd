// Twips to pixels at the system DPI, and the fonts of the program's windows.
#pragma once

#include "win32/windows_api.h"

#include "win32/unique_handle.h"

namespace trivex::win32 {

inline constexpr int kTwipsPerInch = 1440;

// Dots per inch of the screen; the program is system-DPI aware, so this holds for its life.
[[nodiscard]] int SystemDpi();

[[nodiscard]] inline int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, kTwipsPerInch);
}
[[nodiscard]] inline int PixelsToTwips(int pixels, int dpi) {
    return MulDiv(pixels, kTwipsPerInch, dpi);
}

// Registers a window class of the program (icon 1, button-face background) unless it exists.
void RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure);

// MS Sans Serif 8.25 pt.
[[nodiscard]] UniqueFont CreateSansSerifFont(int dpi, bool bold, bool underline = false);

// A child control at a rectangle given in twips.
[[nodiscard]] HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style,
                               DWORD exStyle, int id, const RECT& twips, int dpi);

// The outer rectangle of a window whose client area has the given size in twips, at (0, 0).
[[nodiscard]] RECT OuterRectForClient(int widthTwips, int heightTwips, DWORD style, DWORD exStyle,
                                      bool hasMenu, int dpi);

}  // namespace trivex::win32
