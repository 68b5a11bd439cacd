#include "map_picture.h"

#include <algorithm>
#include <string>

namespace trivex::demo {

namespace {

template <typename T>
T Arg(const sim::JournalEntry& entry, size_t index) {
    return std::get<T>(entry.args.at(index));
}

bool Draws(const sim::JournalEntry& entry) {
    return entry.call == "DrawLine" || entry.call == "DrawCircle";
}

}  // namespace

void MapPicture::Apply(const std::vector<sim::JournalEntry>& entries) {
    bool drawingStarted = false;
    for (const sim::JournalEntry& entry : entries) ApplyOne(entry, drawingStarted);
}

void MapPicture::ClearDrawing() {
    lines_.clear();
    circles_.clear();
}

void MapPicture::ApplyOne(const sim::JournalEntry& entry, bool& drawingStarted) {
    if (Draws(entry) && !drawingStarted) {
        ClearDrawing();
        drawingStarted = true;
    }
    if (entry.call == "SetLineWidth") {
        lineWidth_ = Arg<int16_t>(entry, 0);
    } else if (entry.call == "SetMarkerStyle") {
        markerStyle_ = Arg<int16_t>(entry, 0);
    } else if (entry.call == "SetMarkerColour") {
        markerColour_ = Arg<int32_t>(entry, 0);
    } else if (entry.call == "DrawLine") {
        lines_.push_back({Arg<float>(entry, 0), Arg<float>(entry, 1), Arg<float>(entry, 2),
                          Arg<float>(entry, 3), Arg<int32_t>(entry, 4), Arg<int16_t>(entry, 5), lineWidth_});
    } else if (entry.call == "DrawCircle") {
        circles_.push_back({Arg<float>(entry, 0), Arg<float>(entry, 1), Arg<float>(entry, 2),
                            Arg<int32_t>(entry, 3), lineWidth_, markerColour_, markerStyle_});
    } else if (entry.call == "AddObject") {
        objects_.push_back(Arg<sim::ObjectRecord>(entry, 0));
    } else if (entry.call == "DeleteObject") {
        const auto name = Arg<std::string>(entry, 0);
        std::erase_if(objects_, [&](const sim::ObjectRecord& object) { return object.Name == name; });
    }
}

}  // namespace trivex::demo
