#include "map_window_win32.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#include "ui/win32/layout_win32.h"
#include "win32/guard_win32.h"
#include "win32/window_object_win32.h"

namespace trivex::demo {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMilliseconds = 200;
constexpr int kRedrawCommand = 1;
constexpr int kCloseHostCommand = 2;
constexpr int kFirstBeaconCommand = 100;
constexpr int kGap = 8;
constexpr float kGridMinutes = 6.0f;  // a tenth of a degree
constexpr COLORREF kLand = RGB(236, 240, 222);
constexpr COLORREF kGrid = RGB(200, 206, 190);
constexpr COLORREF kStation = RGB(0, 0, 160);
constexpr COLORREF kObject = RGB(200, 0, 0);

struct Pen {
    explicit Pen(HDC dc, int style, int width, COLORREF colour)
        : dc_(dc), pen_(CreatePen(style, width, colour)), old_(SelectObject(dc, pen_)) {}
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;
    ~Pen() {
        SelectObject(dc_, old_);
        DeleteObject(pen_);
    }
    HDC dc_;
    HPEN pen_;
    HGDIOBJ old_;
};

// A menu takes over the submenus appended to it.
win32::UniqueMenu BuildHostMenu(const std::vector<sim::Station>& stations) {
    win32::UniqueMenu beacons(CreatePopupMenu());
    for (size_t i = 0; i < stations.size(); ++i) {
        AppendMenuA(beacons.get(), MF_STRING, kFirstBeaconCommand + i, stations[i].callsign.c_str());
    }
    win32::UniqueMenu host(CreatePopupMenu());
    AppendMenuA(host.get(), MF_STRING, kRedrawCommand, "&Redraw map");
    AppendMenuA(host.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(beacons.release()), "&Beacon from");
    AppendMenuA(host.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuA(host.get(), MF_STRING, kCloseHostCommand, "&Close the host");
    win32::UniqueMenu bar(CreateMenu());
    AppendMenuA(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(host.release()), "&Host");
    return bar;
}

}  // namespace

MapWindowWin32::MapWindowWin32(HINSTANCE instance, sim::SimHost& host, HWND neighbour) : host_(host) {
    win32::RegisterWindowClass(instance, kClassName, WindowProc);
    RECT outer{0, 0, host.map.widthPixels, host.map.heightPixels};
    AdjustWindowRectEx(&outer, kStyle, TRUE, 0);
    const int width = outer.right - outer.left;
    RECT beside{};
    GetWindowRect(neighbour, &beside);
    // Right of the neighbour, but on the screen even when there is no room for both.
    const int left = std::max(0, std::min<int>(beside.right + kGap, GetSystemMetrics(SM_CXSCREEN) - width));
    win32::UniqueMenu menu = BuildHostMenu(host.stations);
    window_.reset(CreateWindowExA(0, kClassName, "Simulated UI-View32 map", kStyle, left, beside.top, width,
                                  outer.bottom - outer.top, nullptr, menu.get(), instance, this));
    if (!window_) throw std::runtime_error("the map window could not be created");
    static_cast<void>(menu.release());  // the window owns it now
    TakeJournal();
    SetTimer(window_.get(), kRefreshTimer, kRefreshMilliseconds, nullptr);
    ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
}

LRESULT CALLBACK MapWindowWin32::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = win32::WindowObject<MapWindowWin32>(window, message, lParam);
    if (!self || window != self->window_.get()) return DefWindowProcA(window, message, wParam, lParam);
    return win32::Guarded([&] { return self->OnMessage(window, message, wParam, lParam); });
}

LRESULT MapWindowWin32::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            TakeJournal();
            return 0;
        case WM_COMMAND:
            OnHostCommand(LOWORD(wParam));
            return 0;
        case WM_CLOSE:  // the map is the host's: it closes with the host
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(window, &paint);
            RECT client;
            GetClientRect(window, &client);
            Paint(dc, client);
            EndPaint(window, &paint);
            return 0;
        }
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void MapWindowWin32::OnHostCommand(int id) {
    if (id == kRedrawCommand) {
        picture_.ClearDrawing();
        InvalidateRect(window_.get(), nullptr, FALSE);
        host_.Fire(sim::Event::MapRedrawn);
    } else if (id == kCloseHostCommand) {
        host_.Fire(sim::Event::UIView32IsClosing);
    } else if (id >= kFirstBeaconCommand &&
               id - kFirstBeaconCommand < static_cast<int>(host_.stations.size())) {
        const sim::Station station = host_.stations[id - kFirstBeaconCommand];
        host_.FireNotifyBeacon(station.callsign, station.latitude, station.longitude);
    }
    TakeJournal();
}

void MapWindowWin32::TakeJournal() {
    if (!window_ || host_.Journal().empty()) return;
    const std::vector<sim::JournalEntry> journal = host_.TakeJournal();
    if (render::DrawsOnMap(journal)) picture_.ClearDrawing();
    picture_.Add(journal);
    InvalidateRect(window_.get(), nullptr, FALSE);
}

POINT MapWindowWin32::ToPixels(float x, float y) const {
    const sim::MapArea& view = host_.map;
    return {std::lround((x - view.leftEdge) * view.widthPixels / view.widthUnits),
            std::lround((y - view.topEdge) * view.heightPixels / view.heightUnits)};
}

// Drawn off screen first, so that a refresh does not flicker.
void MapWindowWin32::Paint(HDC dc, const RECT& client) const {
    const win32::UniqueMemoryDC memory(CreateCompatibleDC(dc));
    const win32::UniqueBitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    const HGDIOBJ oldBitmap = SelectObject(memory.get(), bitmap.get());
    const HGDIOBJ oldFont = SelectObject(memory.get(), GetStockObject(DEFAULT_GUI_FONT));
    PaintGrid(memory.get(), client);
    PaintDrawing(memory.get());
    PaintStations(memory.get());
    PaintObjects(memory.get());
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    SelectObject(memory.get(), oldFont);
    SelectObject(memory.get(), oldBitmap);
}

void MapWindowWin32::PaintGrid(HDC dc, const RECT& client) const {
    const HBRUSH land = CreateSolidBrush(kLand);
    FillRect(dc, &client, land);
    DeleteObject(land);
    const sim::MapArea& view = host_.map;
    const Pen pen(dc, PS_SOLID, 1, kGrid);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(120, 126, 110));
    const float right = view.leftEdge + view.widthUnits;
    for (float x = std::ceil(view.leftEdge / kGridMinutes) * kGridMinutes; x <= right; x += kGridMinutes) {
        const POINT top = ToPixels(x, view.topEdge);
        MoveToEx(dc, top.x, 0, nullptr);
        LineTo(dc, top.x, client.bottom);
        char text[16];
        snprintf(text, sizeof text, "%.1f", x / 60);
        TextOutA(dc, top.x + 2, client.bottom - 14, text, static_cast<int>(strlen(text)));
    }
    const float bottom = view.topEdge + view.heightUnits;
    for (float y = std::ceil(bottom / kGridMinutes) * kGridMinutes; y <= view.topEdge; y += kGridMinutes) {
        const POINT left = ToPixels(view.leftEdge, y);
        MoveToEx(dc, 0, left.y, nullptr);
        LineTo(dc, client.right, left.y);
        char text[16];
        snprintf(text, sizeof text, "%.1f", y / 60);
        TextOutA(dc, 2, left.y + 1, text, static_cast<int>(strlen(text)));
    }
}

void MapWindowWin32::PaintDrawing(HDC dc) const {
    for (const render::MapPicture::Line& line : picture_.Picture().lines) {
        const int style = line.style >= PS_SOLID && line.style <= PS_DASHDOTDOT ? line.style : PS_SOLID;
        const Pen pen(dc, style, line.width, static_cast<COLORREF>(line.colour));
        const POINT from = ToPixels(line.x1, line.y1);
        const POINT to = ToPixels(line.x2, line.y2);
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
    }
    const float pixelsPerUnit = std::fabs(host_.map.widthPixels / host_.map.widthUnits);
    for (const render::MapPicture::Circle& circle : picture_.Picture().circles) {
        const Pen pen(dc, PS_SOLID, circle.width, static_cast<COLORREF>(circle.colour));
        const HBRUSH fill = CreateHatchBrush(HS_HORIZONTAL, static_cast<COLORREF>(circle.markerColour));
        const HGDIOBJ oldBrush =
            SelectObject(dc, circle.markerStyle == 1 ? GetStockObject(NULL_BRUSH) : fill);
        const POINT centre = ToPixels(circle.x, circle.y);
        const int radius = static_cast<int>(std::lround(circle.radius * pixelsPerUnit));
        Ellipse(dc, centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1);
        SelectObject(dc, oldBrush);
        DeleteObject(fill);
    }
}

void MapWindowWin32::PaintStations(HDC dc) const {
    SetTextColor(dc, kStation);
    const HBRUSH brush = CreateSolidBrush(kStation);
    for (const sim::Station& station : host_.stations) {
        const POINT at = ToPixels(station.longitude, station.latitude);
        const RECT square{at.x - 3, at.y - 3, at.x + 4, at.y + 4};
        FillRect(dc, &square, brush);
        TextOutA(dc, at.x + 6, at.y - 7, station.callsign.c_str(), static_cast<int>(station.callsign.size()));
    }
    DeleteObject(brush);
}

// Object records hold degrees; the map's units are minutes.
void MapWindowWin32::PaintObjects(HDC dc) const {
    SetTextColor(dc, kObject);
    SetBkColor(dc, kLand);
    SetBkMode(dc, OPAQUE);  // the label stays readable over the lines
    const Pen pen(dc, PS_SOLID, 2, kObject);
    for (const sim::ObjectRecord& object : picture_.Picture().objects) {
        const POINT at = ToPixels(object.longitude * 60.0f, object.latitude * 60.0f);
        const POINT diamond[] = {
            {at.x, at.y - 6}, {at.x + 6, at.y}, {at.x, at.y + 6}, {at.x - 6, at.y}, {at.x, at.y - 6}};
        Polyline(dc, diamond, 5);
        const std::string label = object.name + "  " + object.comment;
        TextOutA(dc, at.x + 8, at.y + 2, label.c_str(), static_cast<int>(label.size()));
    }
}

}  // namespace trivex::demo
