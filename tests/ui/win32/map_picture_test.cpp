// The demo's picture of the simulated host's map, rebuilt from the host's journal.
#include "map_picture.h"

#include <gtest/gtest.h>

namespace trivex::demo {
namespace {

sim::JournalEntry Line(float x) {
    return {"DrawLine", {x, 1.0f, 2.0f, 3.0f, int32_t{0xFF}, int16_t{0}}};
}

sim::JournalEntry AddObject(const std::string& name) {
    sim::ObjectRecord record;
    record.Name = name;
    return {"AddObject", {record}};
}

// Each batch that draws replaces the drawing; objects follow AddObject and DeleteObject.
TEST(MapPictureTest, EachBatchThatDrawsReplacesTheDrawingAndObjectsStay) {
    MapPicture picture;
    picture.Apply({{"SetLineWidth", {int16_t{3}}},
                   Line(1),
                   Line(2),
                   {"SetMarkerStyle", {int16_t{2}}},
                   {"SetMarkerColour", {int32_t{0xFFFF00}}},
                   {"DrawCircle", {5.0f, 1.0f, 0.5f, int32_t{0}, 0.0, 6.283185958862305, 1.0f}},
                   AddObject("RDFFIX0"),
                   AddObject("OTHER")});
    ASSERT_EQ(picture.Lines().size(), 2u);
    EXPECT_EQ(picture.Lines()[0].width, 3) << "the width set before the line";
    EXPECT_EQ(picture.Lines()[0].colour, 0xFF);
    ASSERT_EQ(picture.Circles().size(), 1u);
    EXPECT_EQ(picture.Circles()[0].markerColour, 0xFFFF00);
    EXPECT_EQ(picture.Circles()[0].markerStyle, 2);

    picture.Apply({{"GetStationInfo", {std::string("G4DFA")}}});
    EXPECT_EQ(picture.Lines().size(), 2u) << "a batch without drawing keeps the picture";

    picture.Apply({Line(7), {"DeleteObject", {std::string("RDFFIX0"), true}}, AddObject("RDFFIX1")});
    ASSERT_EQ(picture.Lines().size(), 1u) << "the next plot draws anew";
    EXPECT_EQ(picture.Lines()[0].x1, 7.0f);
    EXPECT_EQ(picture.Lines()[0].width, 3) << "the line width stays with the host";
    EXPECT_TRUE(picture.Circles().empty());

    picture.ClearDrawing();
    EXPECT_TRUE(picture.Lines().empty());
    ASSERT_EQ(picture.Objects().size(), 2u) << "a redraw keeps the objects";
    EXPECT_EQ(picture.Objects()[0].Name + " " + picture.Objects()[1].Name, "OTHER RDFFIX1");
}

}  // namespace
}  // namespace trivex::demo
