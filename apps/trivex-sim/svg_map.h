// A picture of the simulated host's map view as SVG: what Trivex drew on it, the stations
// the host knows and the objects placed on it.
#pragma once

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

// Replays the drawing calls of the journal: lines and circles take the line width set last,
// circles the marker colour set last; objects added and not deleted since stay.
MapPicture CollectPicture(const std::vector<sim::JournalEntry>& journal, const sim::MapView& view,
                          const std::vector<sim::Station>& stations);

std::string SvgText(const MapPicture& picture);

}  // namespace trivex::runner
