#include "geometry/map_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "host/sim/sim_host.h"

namespace trivex {
namespace {

struct DrawnLine {
    float x1, y1, x2, y2;
    host::Colour colour;
};

std::vector<std::string> CallNames(const std::vector<sim::JournalEntry>& journal) {
    std::vector<std::string> names;
    for (const sim::JournalEntry& entry : journal) names.push_back(entry.call);
    return names;
}

std::vector<DrawnLine> Lines(const std::vector<sim::JournalEntry>& journal) {
    std::vector<DrawnLine> lines;
    for (const sim::JournalEntry& entry : journal) {
        if (entry.call != "DrawLine") continue;
        const auto at = [&](size_t i) { return std::get<float>(entry.args.at(i)); };
        EXPECT_EQ(std::get<int16_t>(entry.args.at(5)), 0);
        lines.push_back({at(0), at(1), at(2), at(3), std::get<int32_t>(entry.args.at(4))});
    }
    return lines;
}

std::vector<int16_t> LineWidths(const std::vector<sim::JournalEntry>& journal) {
    std::vector<int16_t> widths;
    for (const sim::JournalEntry& entry : journal)
        if (entry.call == "SetLineWidth") widths.push_back(std::get<int16_t>(entry.args.at(0)));
    return widths;
}

class MapDrawingTest : public testing::Test {
  protected:
    MapDrawingTest() {
        // 0.15 minutes of longitude but only 0.1 of latitude per pixel; the diagonal is 1000 pixels.
        host_.map = {800, 600, 120.0f, -60.0f, 0.0f, 60.0f};
    }

    // The black line of a station without accuracy lines.
    DrawnLine BearingLine(float latitude, float longitude, int16_t bearing) {
        DrawBearingLines(*map_, 1, latitude, longitude, bearing, 0);
        const std::vector<DrawnLine> lines = Lines(host_.TakeJournal());
        EXPECT_EQ(lines.size(), 1u);
        return lines.empty() ? DrawnLine{} : lines.front();
    }

    sim::SimHost host_;
    std::unique_ptr<host::UivApplication> app_ = host_.NewApplication();
    std::unique_ptr<host::UivMap> map_ = app_->GetMap();
};

TEST_F(MapDrawingTest, DrawsBearingAndAccuracyLinesFromTheStation) {
    DrawBearingLines(*map_, 3, 20.0f, 30.0f, 45, 10);
    const std::vector<sim::JournalEntry> journal = host_.TakeJournal();
    EXPECT_EQ(CallNames(journal), (std::vector<std::string>{"SetLineWidth", "DrawLine", "SetLineWidth",
                                                            "DrawLine", "SetLineWidth", "DrawLine"}));
    EXPECT_EQ(LineWidths(journal), (std::vector<int16_t>{3, 3, 3}));

    // 1000 pixels at 45, 35 and 55 degrees: x = 30 + 1000 sin(b) 0.15, y = 20 + 1000 cos(b) 0.1.
    struct Expected {
        host::Colour colour;
        float x2, y2;
    };
    const Expected expected[] = {
        {0x000000, 136.066017f, 90.710678f},   // black bearing line
        {0x0000FF, 116.036466f, 101.915204f},  // red at bearing - accuracy
        {0x00FF00, 152.872806f, 77.357644f},   // green at bearing + accuracy
    };
    const std::vector<DrawnLine> lines = Lines(journal);
    ASSERT_EQ(lines.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "line " << i);
        EXPECT_EQ(lines[i].colour, expected[i].colour);
        EXPECT_EQ(lines[i].x1, 30.0f);
        EXPECT_EQ(lines[i].y1, 20.0f);
        EXPECT_FLOAT_EQ(lines[i].x2, expected[i].x2);
        EXPECT_FLOAT_EQ(lines[i].y2, expected[i].y2);
    }
}

TEST_F(MapDrawingTest, NoAccuracyDrawsTheBearingLineOnly) {
    for (const int16_t accuracy : {int16_t{0}, int16_t{-5}}) {
        DrawBearingLines(*map_, 2, 20.0f, 30.0f, 45, accuracy);
        const std::vector<sim::JournalEntry> journal = host_.TakeJournal();
        EXPECT_EQ(CallNames(journal), (std::vector<std::string>{"SetLineWidth", "DrawLine"})) << accuracy;
        EXPECT_EQ(Lines(journal).at(0).colour, kBearingColour) << accuracy;
    }
}

TEST_F(MapDrawingTest, KeepsTheBearingsAngleOnTheScreen) {
    struct Case {
        int16_t bearing;
        float x2, y2;
    };
    const Case cases[] = {
        {0, 30.0f, 120.0f},     // up: 1000 pixels of 0.1 minutes
        {90, 180.0f, 20.0f},    // right: 1000 pixels of 0.15 minutes
        {180, 30.0f, -80.0f},   // down
        {270, -120.0f, 20.0f},  // left
        {360, 30.0f, 120.0f},   // up again
    };
    for (const Case& c : cases) {
        const DrawnLine line = BearingLine(20.0f, 30.0f, c.bearing);
        EXPECT_FLOAT_EQ(line.x2, c.x2) << c.bearing;
        EXPECT_FLOAT_EQ(line.y2, c.y2) << c.bearing;
    }
    for (int16_t bearing = 0; bearing < 360; bearing += 15) {
        const DrawnLine line = BearingLine(20.0f, 30.0f, bearing);
        const double right = (line.x2 - line.x1) / 0.15;
        const double up = (line.y2 - line.y1) / 0.1;
        const double screenAngle = std::fmod(std::atan2(right, up) * 180 / 3.141592653589793 + 360, 360);
        EXPECT_NEAR(screenAngle, bearing, 1e-3) << bearing;
        EXPECT_NEAR(std::hypot(right, up), 1000, 1e-2) << bearing;
    }
}

TEST_F(MapDrawingTest, LinesReachAcrossTheView) {
    // 400 x 200 pixels from longitude 10 to 70: 0.15 minutes per pixel, a diagonal of 447 pixels.
    host_.map = {400, 200, 60.0f, -20.0f, 10.0f, 20.0f};
    struct Case {
        float longitude;
        int16_t pixels;
    };
    const Case cases[] = {
        {40.0f, 447},        // inside: the diagonal
        {10.0f, 447},        // on the west edge counts as inside
        {70.0f, 447},        // on the east edge too
        {-5.0f, 500},        // 100 pixels west: to the far (east) edge
        {85.0f, 500},        // 100 pixels east: to the far (west) edge
        {-10000.0f, 32767},  // too far for 16 bits: clamped
    };
    for (const Case& c : cases) {
        const DrawnLine line = BearingLine(0.0f, c.longitude, 0);  // straight up: y2 = pixels x 0.1
        EXPECT_EQ(line.x2, c.longitude);
        EXPECT_NEAR(line.y2 / 0.1, c.pixels, 1e-3) << "longitude " << c.longitude;
    }
}

TEST_F(MapDrawingTest, AVerticalAxisPointingEitherWayDrawsTheSame) {
    DrawBearingLines(*map_, 1, 20.0f, 30.0f, 123, 7);
    const std::vector<sim::JournalEntry> downwards = host_.TakeJournal();
    host_.map.heightUnits = 60.0f;
    DrawBearingLines(*map_, 1, 20.0f, 30.0f, 123, 7);
    EXPECT_EQ(host_.TakeJournal(), downwards);
}

TEST_F(MapDrawingTest, BearingPlusAccuracyMayLeaveSixteenBits) {
    DrawBearingLines(*map_, 1, 20.0f, 30.0f, 32767, 32767);
    const std::vector<DrawnLine> lines = Lines(host_.TakeJournal());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].x2, 30.0f);  // 32767 - 32767 = 0: straight up
    EXPECT_EQ(lines[1].y2, 120.0f);
    const DrawnLine fourteen = BearingLine(20.0f, 30.0f, 14);  // 65534 = 182 x 360 + 14
    EXPECT_NEAR(lines[2].x2, fourteen.x2, 1e-3);
    EXPECT_NEAR(lines[2].y2, fourteen.y2, 1e-3);
}

TEST_F(MapDrawingTest, DrawsNothingOnAViewWithoutScale) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        sim::MapView view;
        bool marker;  // whether the marker can still be drawn: it needs the width only
    };
    const Case cases[] = {
        {{0, 600, 120.0f, -60.0f, 0.0f, 60.0f}, false},  // no width in pixels
        {{800, 0, 120.0f, -60.0f, 0.0f, 60.0f}, true},   // no height in pixels
        {{800, 600, inf, -60.0f, 0.0f, 60.0f}, false},   // extents that are not numbers
        {{800, 600, 120.0f, nan, 0.0f, 60.0f}, true},    //
        {{800, 600, 0.0f, -60.0f, 0.0f, 60.0f}, true},   // no width in minutes
        {{800, 600, 120.0f, -60.0f, nan, 60.0f}, true},  // a left edge that is not a number
    };
    for (const Case& c : cases) {
        host_.map = c.view;
        DrawBearingLines(*map_, 1, 20.0f, 30.0f, 45, 10);
        EXPECT_TRUE(host_.Journal().empty());
        DrawPositionMarker(*map_, 1, 20.0f, 30.0f);
        EXPECT_EQ(!host_.TakeJournal().empty(), c.marker);
    }
}

TEST_F(MapDrawingTest, MarkerIsACircleOfEightPixels) {
    DrawPositionMarker(*map_, 3, 36.5f, 12.25f);
    const std::vector<sim::JournalEntry> expected = {
        {"SetLineWidth", {int16_t{3}}},
        {"SetMarkerStyle", {int16_t{2}}},
        {"SetMarkerColour", {int32_t{0xFFFF00}}},
        {"DrawCircle", {36.5f, 12.25f, 1.2f, int32_t{0}, 0.0, 6.283185958862305, 1.0f}},  // 8 x 0.15
    };
    EXPECT_EQ(host_.TakeJournal(), expected);

    // Zoomed out to twice the minutes per pixel, the circle keeps its size on the screen.
    host_.map.widthUnits = 240.0f;
    DrawPositionMarker(*map_, 3, 36.5f, 12.25f);
    const std::vector<sim::JournalEntry> zoomed = host_.TakeJournal();
    ASSERT_EQ(zoomed.size(), 4u);
    EXPECT_EQ(std::get<float>(zoomed[3].args.at(2)), 2.4f);
}

}  // namespace
}  // namespace trivex
