// The demo's picture of the simulated host's map, rebuilt from the host's journal.
#include "map_picture.h"

#include <gtest/gtest.h>

namespace trivex::demo {
namespace {

sim::JournalEntry Call(std::string call, std::vector<sim::JournalArg> args = {}) {
    return {std::move(call), std::move(args)};
}

sim::JournalEntry Line(float x) {
    return Call("DrawLine", {x, 1.0f, 2.0f, 3.0f, int32_t{0xFF}, int16_t{0}});
}

sim::JournalEntry Circle(float x) {
    return Call("DrawCircle", {x, 1.0f, 0.5f, int32_t{0}, 0.0, 6.283185958862305, 1.0f});
}

sim::JournalEntry AddObject(const std::string& name) {
    sim::ObjectRecord record;
    record.Name = name;
    return Call("AddObject", {record});
}

TEST(MapPictureTest, EachBatchThatDrawsReplacesTheDrawing) {
    MapPicture picture;
    picture.Apply({Call("SetLineWidth", {int16_t{3}}), Line(1), Line(2), Call("SetMarkerStyle", {int16_t{2}}),
                   Call("SetMarkerColour", {int32_t{0xFFFF00}}), Circle(5)});
    ASSERT_EQ(picture.Lines().size(), 2u);
    EXPECT_EQ(picture.Lines()[0].width, 3) << "the width set before the line";
    EXPECT_EQ(picture.Lines()[0].colour, 0xFF);
    ASSERT_EQ(picture.Circles().size(), 1u);
    EXPECT_EQ(picture.Circles()[0].markerColour, 0xFFFF00);
    EXPECT_EQ(picture.Circles()[0].markerStyle, 2);

    picture.Apply({Call("GetStationInfo", {std::string("G4DFA")})});
    EXPECT_EQ(picture.Lines().size(), 2u) << "a batch without drawing keeps the picture";

    picture.Apply({Line(7)});
    ASSERT_EQ(picture.Lines().size(), 1u) << "the next plot draws anew";
    EXPECT_EQ(picture.Lines()[0].x1, 7.0f);
    EXPECT_EQ(picture.Lines()[0].width, 3) << "the line width stays with the host";
    EXPECT_TRUE(picture.Circles().empty());

    picture.ClearDrawing();
    EXPECT_TRUE(picture.Lines().empty());
}

TEST(MapPictureTest, ObjectsFollowAddAndDelete) {
    MapPicture picture;
    picture.Apply({AddObject("RDFFIX0"), AddObject("OTHER")});
    picture.Apply({Call("DeleteObject", {std::string("RDFFIX0"), true}), AddObject("RDFFIX1")});
    ASSERT_EQ(picture.Objects().size(), 2u);
    EXPECT_EQ(picture.Objects()[0].Name, "OTHER");
    EXPECT_EQ(picture.Objects()[1].Name, "RDFFIX1");
    picture.ClearDrawing();
    EXPECT_EQ(picture.Objects().size(), 2u) << "a redraw keeps the objects";
}

}  // namespace
}  // namespace trivex::demo
