// A picture of the simulated host's map view as SVG: what Trivex drew on it, the stations
// the host knows and the objects placed on it.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "host/sim/sim_host.h"

namespace trivex::runner {

struct MapPicture {
    struct Line {
        float x1, y1, x2, y2;
        host::Colour colour;
        int16_t width;
    };
    struct Circle {
        float x, y, radius;
        host::Colour colour;
        int16_t width;
    };
    sim::MapView view;
    std::vector<sim::Station> stations;
    std::vector<Line> lines;
    std::vector<Circle> circles;
    std::vector<sim::ObjectRecord> objects;
};

// Replays the drawing calls of the host's journal, a part at a time: lines and circles take the
// line width set last, circles the marker colour set last; objects added and not deleted since
// stay. A line or circle drawn again just as before adds nothing, so that a run that plots the
// same stations over and over keeps a picture of one plot's size.
class PictureCollector {
  public:
    void Add(const std::vector<sim::JournalEntry>& journal);
    MapPicture Picture(const sim::MapView& view, const std::vector<sim::Station>& stations) const;

  private:
    // Orders drawings by the bits of their values, so that NaN coordinates order too.
    struct BitwiseLess {
        bool operator()(const MapPicture::Line& a, const MapPicture::Line& b) const;
        bool operator()(const MapPicture::Circle& a, const MapPicture::Circle& b) const;
    };
    std::vector<MapPicture::Line> lines_;
    std::vector<MapPicture::Circle> circles_;
    std::set<MapPicture::Line, BitwiseLess> linesDrawn_;
    std::set<MapPicture::Circle, BitwiseLess> circlesDrawn_;
    std::vector<sim::ObjectRecord> objects_;
    int16_t width_ = 1;
    host::Colour markerColour_ = 0;
};

std::string SvgText(const MapPicture& picture);

}  // namespace trivex::runner
