#include "render/svg_map.h"

#include <gtest/gtest.h>

namespace trivex::render {
namespace {

TEST(SvgText, PlacesEverythingInThePixelsOfTheView) {
    const sim::MapArea view{800, 600, 120.0f, -60.0f, 0.0f, 60.0f};  // 0..120 east, 0..60 north
    MapPicture picture;
    picture.lines = {{0.0f, 60.0f, 120.0f, 0.0f, 0x0000FF, 0, 2}};
    picture.circles = {{60.0f, 30.0f, 1.5f, 0, 0xFFFF00, 0, 1}};
    sim::ObjectRecord object;
    object.name = "RDFFIX0";
    object.latitude = 0.25f;     // degrees: 15 minutes north
    object.longitude = 1.0f;     // 60 minutes east
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
        // the grid every 15 minutes across and every 10 up, labelled along the bottom and left
        "<text stroke=\"none\" x=\"103\" y=\"596\">000.15.00E</text>",
        "<text stroke=\"none\" x=\"3\" y=\"297\">00.30.00N</text>",
    };
    for (const char* text : expected) EXPECT_NE(svg.find(text), std::string::npos) << text << "\n" << svg;
}

// The view starts 30 minutes west of the meridian: its grid starts at its west edge.
TEST(SvgText, DrawsRejectedCrossingsInTheViewFaintlyTheTransmitterAndTheEstimate) {
    const sim::MapArea view{800, 600, 120.0f, -60.0f, -30.0f, 60.0f};
    plot::PairOutcome inView{0, 1, plot::PairVerdict::TooFar, 1, "M0BXT", 9, 0, 3.5, 1};
    inView.crossing = geometry::MapPoint{60.0f, 30.0f};
    plot::PairOutcome outside = inView;
    outside.crossing = geometry::MapPoint{130.0f, 30.0f};  // east of the view
    plot::PairOutcome atEdge = inView;
    atEdge.first = 2;
    atEdge.crossing = geometry::MapPoint{-30.0f, 30.0f};  // on the view's west edge: in it
    plot::PairOutcome atEastEdge = atEdge;
    atEastEdge.first = 3;
    atEastEdge.crossing = geometry::MapPoint{90.0f, 30.0f};  // and on its east edge
    plot::PairOutcome accepted{0, 2, plot::PairVerdict::Accepted};
    accepted.crossing = geometry::MapPoint{30.0f, 30.0f};
    const geometry::BestEstimate estimate{{0.5, 0.5}, 2.0, 1.0, 45.0, 3, {}};  // 30 minutes north and east
    const std::string svg = SvgText(
        {}, view, {},
        {{inView, outside, atEdge, atEastEdge, accepted}, geometry::MapPoint{90.0f, 15.0f}, estimate});
    EXPECT_NE(
        svg.find("<circle cx=\"600\" cy=\"300\" r=\"5\"><title>[1,2] too far: M0BXT 3.50 km, limit 1 km"),
        std::string::npos)
        << svg;
    EXPECT_EQ(svg.find("<title>[1,3]"), std::string::npos) << "an accepted crossing is the host's marker";
    EXPECT_EQ(svg.find("cx=\"1066.67\""), std::string::npos) << "outside the view";
    EXPECT_NE(svg.find("<circle cx=\"0\" cy=\"300\" r=\"5\"><title>[3,2]"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<circle cx=\"800\" cy=\"300\" r=\"5\"><title>[4,2]"), std::string::npos) << svg;
    EXPECT_NE(svg.find("translate(800 450)"), std::string::npos) << "the transmitter\n" << svg;
    EXPECT_NE(svg.find("<polygon points="), std::string::npos) << "the ellipse";
    EXPECT_NE(svg.find("translate(400 300)\"><path d=\"M-6 -6 L6 6 M-6 6 L6 -6\" stroke=\"#ff00ff\""),
              std::string::npos)
        << "the estimate\n"
        << svg;
    EXPECT_NE(svg.find("x=\"103\" y=\"596\">000.15.00W</text>"), std::string::npos) << svg;
}

// At most eight grid lines each way, at the smallest usual step: a view nine minutes wide and
// high takes a line every two minutes.
TEST(SvgText, DrawsAtMostEightGridLinesEachWay) {
    const std::string svg = SvgText({}, sim::MapArea{800, 600, 9.0f, -9.0f, 0.0f, 9.0f}, {});
    EXPECT_NE(svg.find(">000.02.00E</text>"), std::string::npos) << svg;
    EXPECT_EQ(svg.find(">000.01.00E</text>"), std::string::npos) << svg;
}

TEST(SvgText, SurvivesAViewWithoutSize) {
    MapPicture picture;
    picture.lines = {{0.0f, 0.0f, 1.0f, 1.0f, 0, 0, 1}};
    const std::string svg = SvgText(picture, sim::MapArea{0, 0, 0.0f, 0.0f, 0.0f, 0.0f}, {});
    EXPECT_NE(svg.find("width=\"1\" height=\"1\""), std::string::npos) << svg;
    EXPECT_EQ(svg.find("nan"), std::string::npos) << svg;
    EXPECT_EQ(svg.find("<text stroke=\"none\""), std::string::npos) << "no grid in a view of no size\n"
                                                                    << svg;
}

}  // namespace
}  // namespace trivex::render
