// What the simulated host's map shows, rebuilt from the host's journal: the lines and circles
// drawn on it and the objects placed on it.
#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "host/sim/sim_host.h"

namespace trivex::render {

struct MapPicture {
    struct Line {
        float x1, y1, x2, y2;  // map units
        host::Colour colour;
        int16_t style;
        int16_t width;
    };
    struct Circle {
        float x, y, radius;  // map units; the radius along the x axis
        host::Colour colour;
        host::Colour markerColour;
        int16_t markerStyle;
        int16_t width;
    };
    std::vector<Line> lines;
    std::vector<Circle> circles;
    std::vector<sim::ObjectRecord> objects;
};

// Replays the journal a part at a time: lines and circles take the line width set last,
// circles the marker colour and style set last; objects added and not deleted since stay.
// A line or circle drawn again just as before adds nothing, so that a run that plots the same
// stations over and over keeps a picture of one plot's size.
class MapPictureReplay {
  public:
    void Add(const std::vector<sim::JournalEntry>& journal);
    // The host redraws its map: the drawing is gone, the objects stay.
    void ClearDrawing();
    [[nodiscard]] const MapPicture& Picture() const { return picture_; }

  private:
    // Orders drawings by the bits of their values, so that NaN coordinates order too.
    struct BitwiseLess {
        bool operator()(const MapPicture::Line& a, const MapPicture::Line& b) const;
        bool operator()(const MapPicture::Circle& a, const MapPicture::Circle& b) const;
    };
    void AddOne(const sim::JournalEntry& entry);

    MapPicture picture_;
    std::set<MapPicture::Line, BitwiseLess> linesDrawn_;
    std::set<MapPicture::Circle, BitwiseLess> circlesDrawn_;
    int16_t width_ = 1;
    int16_t markerStyle_ = 0;
    host::Colour markerColour_ = 0;
};

// Whether the calls draw on the map: each plot draws its whole picture anew.
[[nodiscard]] bool DrawsOnMap(const std::vector<sim::JournalEntry>& journal);

}  // namespace trivex::render
