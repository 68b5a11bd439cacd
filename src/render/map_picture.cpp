#include "map_picture.h"

#include <algorithm>
#include <bit>
#include <string>
#include <tuple>

namespace trivex::render {

namespace {

template <typename T>
T Arg(const sim::JournalEntry& entry, size_t index) {
    return std::get<T>(entry.args.at(index));
}

auto Bits(const MapPicture::Line& line) {
    return std::tuple(std::bit_cast<uint32_t>(line.x1), std::bit_cast<uint32_t>(line.y1),
                      std::bit_cast<uint32_t>(line.x2), std::bit_cast<uint32_t>(line.y2), line.colour,
                      line.style, line.width);
}

auto Bits(const MapPicture::Circle& circle) {
    return std::tuple(std::bit_cast<uint32_t>(circle.x), std::bit_cast<uint32_t>(circle.y),
                      std::bit_cast<uint32_t>(circle.radius), circle.colour, circle.markerColour,
                      circle.markerStyle, circle.width);
}

}  // namespace

bool MapPictureReplay::BitwiseLess::operator()(const MapPicture::Line& a, const MapPicture::Line& b) const {
    return Bits(a) < Bits(b);
}

bool MapPictureReplay::BitwiseLess::operator()(const MapPicture::Circle& a,
                                               const MapPicture::Circle& b) const {
    return Bits(a) < Bits(b);
}

void MapPictureReplay::Add(const std::vector<sim::JournalEntry>& journal) {
    for (const sim::JournalEntry& entry : journal) AddOne(entry);
}

void MapPictureReplay::ClearDrawing() {
    picture_.lines.clear();
    picture_.circles.clear();
    linesDrawn_.clear();
    circlesDrawn_.clear();
}

void MapPictureReplay::AddOne(const sim::JournalEntry& entry) {
    if (entry.call == "SetLineWidth") {
        width_ = Arg<int16_t>(entry, 0);
    } else if (entry.call == "SetMarkerStyle") {
        markerStyle_ = Arg<int16_t>(entry, 0);
    } else if (entry.call == "SetMarkerColour") {
        markerColour_ = Arg<host::Colour>(entry, 0);
    } else if (entry.call == "DrawLine") {
        const MapPicture::Line line{Arg<float>(entry, 0),
                                    Arg<float>(entry, 1),
                                    Arg<float>(entry, 2),
                                    Arg<float>(entry, 3),
                                    Arg<host::Colour>(entry, 4),
                                    Arg<int16_t>(entry, 5),
                                    width_};
        if (linesDrawn_.insert(line).second) picture_.lines.push_back(line);
    } else if (entry.call == "DrawCircle") {
        const MapPicture::Circle circle{Arg<float>(entry, 0),
                                        Arg<float>(entry, 1),
                                        Arg<float>(entry, 2),
                                        Arg<host::Colour>(entry, 3),
                                        markerColour_,
                                        markerStyle_,
                                        width_};
        if (circlesDrawn_.insert(circle).second) picture_.circles.push_back(circle);
    } else if (entry.call == "AddObject") {
        picture_.objects.push_back(Arg<sim::ObjectRecord>(entry, 0));
    } else if (entry.call == "DeleteObject") {
        const auto name = Arg<std::string>(entry, 0);
        std::erase_if(picture_.objects, [&](const sim::ObjectRecord& object) { return object.name == name; });
    }
}

bool DrawsOnMap(const std::vector<sim::JournalEntry>& journal) {
    return std::ranges::any_of(journal, [](const sim::JournalEntry& entry) {
        return entry.call == "DrawLine" || entry.call == "DrawCircle";
    });
}

}  // namespace trivex::render
