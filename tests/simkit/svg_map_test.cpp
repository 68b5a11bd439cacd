#include "simkit/svg_map.h"

#include <gtest/gtest.h>

namespace trivex::simkit {
namespace {

TEST(SvgText, PlacesEverythingInThePixelsOfTheView) {
    const sim::MapView view{800, 600, 120.0f, -60.0f, 0.0f, 60.0f};  // 0..120 east, 0..60 north
    MapPicture picture;
    picture.lines = {{0.0f, 60.0f, 120.0f, 0.0f, 0x0000FF, 0, 2}};
    picture.circles = {{60.0f, 30.0f, 1.5f, 0, 0xFFFF00, 0, 1}};
    sim::ObjectRecord object;
    object.Name = "RDFFIX0";
    object.Latitude = 0.25f;     // degrees: 15 minutes north
    object.Longitude = 1.0f;     // 60 minutes east
    picture.objects = {object};  // degrees: 15 minutes north, 60 east
    const std::string svg = SvgText(picture, view, {{"G4<A>", 30.0f, 60.0f, "", "", ""}});
    const char* expected[] = {
        "width=\"800\" height=\"600\"",
        // top left to bottom right, red (0x0000FF is red in the host's order), 2 wide
        "<line x1=\"0\" y1=\"0\" x2=\"800\" y2=\"600\" stroke=\"#ff0000\" stroke-width=\"2\"/>",
        // the radius is in horizontal map units: 1.5 of 120 across 800 pixels; the marker colour
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
    picture.lines = {{0.0f, 0.0f, 1.0f, 1.0f, 0, 0, 1}};
    const std::string svg = SvgText(picture, sim::MapView{0, 0, 0.0f, 0.0f, 0.0f, 0.0f}, {});
    EXPECT_NE(svg.find("width=\"1\" height=\"1\""), std::string::npos) << svg;
    EXPECT_EQ(svg.find("nan"), std::string::npos) << svg;
}

}  // namespace
}  // namespace trivex::simkit
