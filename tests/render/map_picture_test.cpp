// The host's map rebuilt from its journal.
#include "render/map_picture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace trivex::render {
namespace {

sim::JournalEntry Line(float x) {
    return {"DrawLine", {x, 2.0f, 3.0f, 4.0f, int32_t{0xFF}, int16_t{2}}};
}

sim::JournalEntry AddObject(const std::string& name) {
    sim::ObjectRecord record;
    record.name = name;
    return {"AddObject", {record}};
}

TEST(MapPictureReplay, ReplaysWidthsMarkersAndObjects) {
    MapPictureReplay replay;
    replay.Add({Line(1),
                Line(1),  // drawn again just as before: nothing more
                {"SetLineWidth", {int16_t{3}}},
                {"SetMarkerStyle", {int16_t{1}}},
                {"SetMarkerColour", {int32_t{0xFFFF00}}},
                {"DrawCircle", {5.0f, 6.0f, 0.5f, int32_t{0}, 0.0, 6.283185958862305, 1.0f}},
                AddObject("RDFFIX0"),
                AddObject("OTHER"),
                {"DeleteObject", {std::string("RDFFIX0"), true}},
                {"GetStationInfo", {std::string("G4ABC")}}});
    const MapPicture& picture = replay.Picture();
    ASSERT_EQ(picture.lines.size(), 1u);
    const MapPicture::Line& line = picture.lines[0];
    EXPECT_EQ(std::tuple(line.x1, line.y1, line.x2, line.y2, line.colour, line.style),
              std::tuple(1.0f, 2.0f, 3.0f, 4.0f, 0xFF, int16_t{2}));
    EXPECT_EQ(line.width, 1) << "no width set yet";
    ASSERT_EQ(picture.circles.size(), 1u);
    const MapPicture::Circle& circle = picture.circles[0];
    EXPECT_EQ(
        std::tuple(circle.x, circle.y, circle.radius, circle.width, circle.markerColour, circle.markerStyle),
        std::tuple(5.0f, 6.0f, 0.5f, 3, 0xFFFF00, 1));
    ASSERT_EQ(picture.objects.size(), 1u);
    EXPECT_EQ(picture.objects[0].name, "OTHER");

    replay.ClearDrawing();
    replay.Add({Line(1)});
    EXPECT_EQ(replay.Picture().lines.size(), 1u) << "after a redraw the same line shows again";
    EXPECT_TRUE(replay.Picture().circles.empty());
    EXPECT_EQ(replay.Picture().objects.size(), 1u) << "a redraw keeps the objects";
    EXPECT_TRUE(DrawsOnMap({Line(1)}));
    EXPECT_FALSE(DrawsOnMap({AddObject("X")}));
}

}  // namespace
}  // namespace trivex::render
