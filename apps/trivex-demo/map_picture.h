// What the simulated host's map shows: the lines and circles drawn by the last plot and the
// objects placed on it, rebuilt from the host's journal.
#pragma once

#include <cstdint>
#include <vector>

#include "host/sim/sim_host.h"

namespace trivex::demo {

struct DrawnLine {
    float x1, y1, x2, y2;  // map units
    host::Colour colour;
    int16_t style;
    int16_t width;
};

struct DrawnCircle {
    float x, y, radius;  // map units; the radius along the x axis
    host::Colour colour;
    int16_t width;
    host::Colour markerColour;
    int16_t markerStyle;
};

class MapPicture {
  public:
    // Applies newly journaled calls. Calls that draw replace the drawing: every plot draws
    // the whole picture anew, and the journal is taken between plots, never inside one.
    void Apply(const std::vector<sim::JournalEntry>& entries);
    // The host redraws its map: the drawing is gone, the objects stay.
    void ClearDrawing();

    const std::vector<DrawnLine>& Lines() const { return lines_; }
    const std::vector<DrawnCircle>& Circles() const { return circles_; }
    const std::vector<sim::ObjectRecord>& Objects() const { return objects_; }

  private:
    void ApplyOne(const sim::JournalEntry& entry, bool& drawingStarted);

    std::vector<DrawnLine> lines_;
    std::vector<DrawnCircle> circles_;
    std::vector<sim::ObjectRecord> objects_;
    int16_t lineWidth_ = 1;
    int16_t markerStyle_ = 0;
    host::Colour markerColour_ = 0;
};

}  // namespace trivex::demo
