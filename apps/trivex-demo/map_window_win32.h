// The demo's picture of the simulated host's map: the stations with their call-signs, the
// lines and circles of the last plot in their colours and widths, and the placed objects.
// Its Host menu plays the host: a map redraw, a station's beacon, the host closing.
#pragma once

#include "host/sim/sim_host.h"
#include "render/map_picture.h"
#include "win32/unique_handle.h"
#include "win32/windows_api.h"

namespace trivex::demo {

class MapWindowWin32 {
  public:
    static constexpr const char* kClassName = "TrivexDemoMap";

    // Opens beside the window `neighbour`, with a client area of the host map's pixels.
    MapWindowWin32(HINSTANCE instance, sim::SimHost& host, HWND neighbour);
    MapWindowWin32(const MapWindowWin32&) = delete;
    MapWindowWin32& operator=(const MapWindowWin32&) = delete;

    [[nodiscard]] HWND Handle() const { return window_.get(); }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnHostCommand(int id);
    void TakeJournal();
    void Paint(HDC dc, const RECT& client) const;
    void PaintGrid(HDC dc, const RECT& client) const;
    void PaintStations(HDC dc) const;
    void PaintDrawing(HDC dc) const;
    void PaintObjects(HDC dc) const;
    [[nodiscard]] POINT ToPixels(float x, float y) const;

    sim::SimHost& host_;
    render::MapPictureReplay picture_;
    win32::UniqueWindow window_;
};

}  // namespace trivex::demo
