#include "ui/win32/layout_win32.h"

namespace trivex::win32 {

namespace {
// 8.25 pt in hundredths of a point.
constexpr int kFontHundredthsOfPoint = 825;
constexpr int kHundredthsOfPointPerInch = 7200;
}  // namespace

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

void RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExA(instance, name, &windowClass)) return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

UniqueFont CreateSansSerifFont(int dpi, bool bold, bool underline) {
    const int height = -MulDiv(kFontHundredthsOfPoint, dpi, kHundredthsOfPointPerInch);
    return UniqueFont(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE,
                                  ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_SWISS, "MS Sans Serif"));
}

HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle, int id,
                 const RECT& twips, int dpi) {
    const int left = TwipsToPixels(twips.left, dpi);
    const int top = TwipsToPixels(twips.top, dpi);
    const int width = TwipsToPixels(twips.right - twips.left, dpi);
    const int height = TwipsToPixels(twips.bottom - twips.top, dpi);
    return CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, left, top, width, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
}

RECT OuterRectForClient(int widthTwips, int heightTwips, DWORD style, DWORD exStyle, bool hasMenu, int dpi) {
    RECT rect{0, 0, TwipsToPixels(widthTwips, dpi), TwipsToPixels(heightTwips, dpi)};
    AdjustWindowRectEx(&rect, style, hasMenu ? TRUE : FALSE, exStyle);
    return rect;
}

}  // namespace trivex::win32
