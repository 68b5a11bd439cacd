#include "svg_map.h"

#include <gtest/gtest.h>

namespace trivex::runner {
namespace {

using sim::JournalEntry;

TEST(PictureCollector, ReplaysWidthsColoursAndObjects) {
    sim::ObjectRecord first, second;
    first.Name = "RDFFIX0";
    second.Name = "RDFFIX1";
    const std::vector<JournalEntry> journal = {
        {"DrawLine", {1.0f, 2.0f, 3.0f, 4.0f, int32_t{0x0000FF}, int16_t{0}}},  // before any width: 1
        {"DrawLine", {1.0f, 2.0f, 3.0f, 4.0f, int32_t{0x0000FF}, int16_t{0}}},  // drawn again: no more
        {"SetLineWidth", {int16_t{3}}},
        {"SetMarkerColour", {int32_t{0xFFFF00}}},
        {"DrawCircle", {5.0f, 6.0f, 0.5f, int32_t{0}, 0.0, 6.283185958862305, 1.0f}},
        {"AddObject", {first}},
        {"AddObject", {second}},
        {"DeleteObject", {std::string("RDFFIX0"), true}},  // deleted objects leave the map
        {"GetStationInfo", {std::string("G4ABC")}},        // not drawing
    };
    PictureCollector collector;
    collector.Add(journal);
    const MapPicture picture = collector.Picture(sim::MapView{}, {});
    ASSERT_EQ(picture.lines.size(), 1u);
    EXPECT_EQ(picture.lines[0].width, 1);
    EXPECT_EQ(picture.lines[0].colour, 0x0000FF);
    ASSERT_EQ(picture.circles.size(), 1u);
    EXPECT_EQ(picture.circles[0].width, 3);
    EXPECT_EQ(picture.circles[0].colour, 0xFFFF00);  // the marker colour, not the call's 0
    ASSERT_EQ(picture.objects.size(), 1u);
    EXPECT_EQ(picture.objects[0].Name, "RDFFIX1");
}

TEST(SvgText, PlacesEverythingInThePixelsOfTheView) {
    MapPicture picture;
    picture.view = {800, 600, 120.0f, -60.0f, 0.0f, 60.0f};  // 0..120 east, 0..60 north
    picture.stations = {{"G4<A>", 30.0f, 60.0f, "", "", ""}};
    picture.lines = {{0.0f, 60.0f, 120.0f, 0.0f, 0x0000FF, 2}};
    picture.circles = {{60.0f, 30.0f, 1.5f, 0xFFFF00, 1}};
    sim::ObjectRecord object;
    object.Name = "RDFFIX0";
    object.Latitude = 0.25f;     // degrees: 15 minutes north
    object.Longitude = 1.0f;     // 60 minutes east
    picture.objects = {object};  // degrees: 15 minutes north, 60 east
    const std::string svg = SvgText(picture);
    const char* expected[] = {
        "width=\"800\" height=\"600\"",
        // top left to bottom right, red (0x0000FF is red in the host's order), 2 wide
        "<line x1=\"0\" y1=\"0\" x2=\"800\" y2=\"600\" stroke=\"#ff0000\" stroke-width=\"2\"/>",
        // the radius is in horizontal map units: 1.5 of 120 across 800 pixels
        "<circle cx=\"400\" cy=\"300\" r=\"10\" stroke=\"#00ffff\" stroke-width=\"1\"/>",
        "translate(400 300)",  // the station
        "G4&lt;A&gt;",         // its call-sign, escaped
        "translate(400 450)",  // the object, from degrees
        ">RDFFIX0</text>",
    };
    for (const char* text : expected) EXPECT_NE(svg.find(text), std::string::npos) << text << "\n" << svg;
}

TEST(SvgText, SurvivesAViewWithoutSize) {
    MapPicture picture;
    picture.view = {0, 0, 0.0f, 0.0f, 0.0f, 0.0f};
    picture.lines = {{0.0f, 0.0f, 1.0f, 1.0f, 0, 1}};
    const std::string svg = SvgText(picture);
    EXPECT_NE(svg.find("width=\"1\" height=\"1\""), std::string::npos) << svg;
    EXPECT_EQ(svg.find("nan"), std::string::npos) << svg;
}

}  // namespace
}  // namespace trivex::runner
