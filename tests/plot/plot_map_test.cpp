#include "plot/plot_map.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "host/sim/sim_host.h"

namespace trivex::plot {
namespace {

// A line from the station at longitude 30, latitude 20 minutes, as the host journals it.
sim::JournalEntry LineTo(float x2, float y2, host::Colour colour) {
    return {"DrawLine", {30.0f, 20.0f, x2, y2, colour, int16_t{0}}};
}

class MapDrawingTest : public testing::Test {
  protected:
    // 0.15 minutes of longitude but only 0.1 of latitude per pixel; the diagonal is 1000 pixels.
    MapDrawingTest() { host_.map = {800, 600, 120.0f, -60.0f, 0.0f, 60.0f}; }

    // The lines drawn for a station at latitude 20, longitude 30 (or as given).
    std::vector<sim::JournalEntry> Lines(int16_t bearing, int16_t accuracy, float longitude = 30.0f) {
        PlotMap(*map_, 1).DrawBearingLines({longitude, 20.0f}, bearing, accuracy);
        std::vector<sim::JournalEntry> lines;
        for (const sim::JournalEntry& entry : host_.TakeJournal())
            if (entry.call == "DrawLine") lines.push_back(entry);
        return lines;
    }
    static float End(const sim::JournalEntry& line, size_t i) { return std::get<float>(line.args.at(i)); }

    sim::SimHost host_;
    std::unique_ptr<host::UivApplication> app_ = host_.NewApplication();
    std::unique_ptr<host::UivMap> map_ = app_->GetMap();
};

TEST_F(MapDrawingTest, DrawsBearingAndAccuracyLinesFromTheStation) {
    // 1000 pixels at 45, 35 and 55 degrees: x = 30 + 1000 sin(b) 0.15, y = 20 + 1000 cos(b) 0.1;
    // black, then red at bearing - accuracy and green at bearing + accuracy (the host's byte order).
    const std::vector<sim::JournalEntry> expected = {
        {"SetLineWidth", {int16_t{3}}}, LineTo(136.066025f, 90.7106781f, 0x000000),
        {"SetLineWidth", {int16_t{3}}}, LineTo(116.036469f, 101.915207f, 0x0000FF),
        {"SetLineWidth", {int16_t{3}}}, LineTo(152.872818f, 77.3576431f, 0x00FF00),
    };
    PlotMap plotMap(*map_, 3);
    plotMap.DrawBearingLines({30.0f, 20.0f}, 45, 10);
    EXPECT_EQ(host_.TakeJournal(), expected);
    host_.map = {400, 200, 60.0f, -20.0f, 10.0f, 20.0f};  // changed in the host meanwhile
    plotMap.DrawBearingLines({30.0f, 20.0f}, 45, 10);
    EXPECT_EQ(host_.TakeJournal(), expected) << "one plot reads the view once";
    host_.map = {800, 600, 120.0f, 60.0f, 0.0f, 60.0f};  // a vertical axis pointing up draws the same
    PlotMap(*map_, 3).DrawBearingLines({30.0f, 20.0f}, 45, 10);
    EXPECT_EQ(host_.TakeJournal(), expected);
    EXPECT_EQ(Lines(45, 1).size(), 3u) << "an accuracy of one degree has its lines too";
}

TEST_F(MapDrawingTest, LinesKeepTheirAngleOnTheScreenAndReachAcrossTheView) {
    // 400 x 200 pixels from longitude 10 to 70: 0.15 minutes per pixel across, 0.1 up; a diagonal of 447.
    host_.map = {400, 200, 60.0f, -20.0f, 10.0f, 20.0f};
    struct Case {
        float longitude;
        int16_t bearing, accuracy;
        float x2, y2;
    };
    const Case cases[] = {
        {40, 0, 0, 40, 64.7f},            // up from inside: the diagonal
        {40, 90, -5, 107.05f, 20},        // right; no accuracy lines for an accuracy below 0
        {40, 180, 0, 40, -24.7f},         // down
        {40, 270, 0, -27.05f, 20},        // left
        {40, 360, 0, 40, 64.7f},          // up again
        {10, 0, 0, 10, 64.7f},            // on the west edge counts as inside
        {70, 0, 0, 70, 64.7f},            // on the east edge too
        {-5, 0, 0, -5, 70},               // 100 pixels west: 500 to the far (east) edge
        {85, 0, 0, 85, 70},               // 100 pixels east: 500 to the far (west) edge
        {-10000, 0, 0, -10000, 3296.7f},  // too far for 16 bits: 32767 pixels
    };
    for (const Case& c : cases) {
        const std::vector<sim::JournalEntry> lines = Lines(c.bearing, c.accuracy, c.longitude);
        ASSERT_EQ(lines.size(), 1u) << c.bearing;
        EXPECT_FLOAT_EQ(End(lines[0], 2), c.x2) << c.longitude << " " << c.bearing;
        EXPECT_FLOAT_EQ(End(lines[0], 3), c.y2) << c.longitude << " " << c.bearing;
    }
}

TEST_F(MapDrawingTest, BearingPlusAccuracyMayLeaveSixteenBits) {
    const std::vector<sim::JournalEntry> lines = Lines(32767, 32767);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], LineTo(30.0f, 120.0f, 0x0000FF));   // 32767 - 32767 = 0: straight up
    const sim::JournalEntry fourteen = Lines(14, 0).at(0);  // 65534 = 182 x 360 + 14
    EXPECT_NEAR(End(lines[2], 2), End(fourteen, 2), 1e-3);
    EXPECT_NEAR(End(lines[2], 3), End(fourteen, 3), 1e-3);
}

TEST_F(MapDrawingTest, DrawsNothingOnAViewWithoutScale) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        sim::MapArea view;
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
        PlotMap(*map_, 1).DrawBearingLines({30.0f, 20.0f}, 45, 10);
        PlotMap(*map_, 1).DrawEstimate({{0.5, 0.5}, 1.0, 0.5, 0.0, 2, {}});
        EXPECT_TRUE(host_.Journal().empty());
        PlotMap(*map_, 1).DrawPositionMarker({20.0f, 30.0f});
        EXPECT_EQ(!host_.TakeJournal().empty(), c.marker);
    }
}

TEST_F(MapDrawingTest, MarkerIsACircleOfEightPixels) {
    struct Case {
        float widthUnits, radius;
    };
    const Case cases[] = {
        {120.0f, 1.2f},  // 8 x 0.15 minutes
        {240.0f, 2.4f},  // zoomed out, it keeps its size on the screen
    };
    for (const auto [widthUnits, radius] : cases) {
        host_.map.widthUnits = widthUnits;
        PlotMap(*map_, 3).DrawPositionMarker({36.5f, 12.25f});
        const std::vector<sim::JournalEntry> expected = {
            {"SetLineWidth", {int16_t{3}}},
            {"SetMarkerStyle", {int16_t{2}}},
            {"SetMarkerColour", {int32_t{0xFFFF00}}},
            {"DrawCircle", {36.5f, 12.25f, radius, int32_t{0}, 0.0, 6.283185958862305, 1.0f}},
        };
        EXPECT_EQ(host_.TakeJournal(), expected) << widthUnits;
    }
}

// An ellipse one minute of arc long (1.853 km) and half as wide, its long axis east-west, around
// longitude 60 and latitude 0 minutes: 24 magenta lines, each starting where the last ended; then
// a cross whose arms reach 8 pixels: 0.15 minutes across and 0.1 up per pixel.
TEST_F(MapDrawingTest, EstimateIsAClosedEllipseAndACross) {
    constexpr double kOneMinuteKm = 6371.0 * 3.14159265358979 / 180.0 / 60.0;
    PlotMap(*map_, 2).DrawEstimate({{0.0, 1.0}, kOneMinuteKm, kOneMinuteKm / 2, 90.0, 2, {}});
    const std::vector<sim::JournalEntry> journal = host_.TakeJournal();
    ASSERT_EQ(journal.size(), 27u);
    EXPECT_EQ(journal[0], (sim::JournalEntry{"SetLineWidth", {int16_t{2}}}));
    const auto at = [&](size_t line, size_t arg) { return End(journal.at(line), arg); };
    for (size_t line = 1; line <= 24; ++line) {
        EXPECT_EQ(std::get<host::Colour>(journal[line].args[4]), 0xFF00FF) << line;
        EXPECT_EQ(at(line, 2), at(line % 24 + 1, 0)) << line << " ends where the next starts";
        EXPECT_EQ(at(line, 3), at(line % 24 + 1, 1)) << line;
    }
    const std::pair<size_t, geometry::MapPoint> vertices[] = {
        {1, {61.0f, 0.0f}},   // east, on the long axis
        {7, {60.0f, -0.5f}},  // a quarter turn clockwise: south, on the short axis
        {13, {59.0f, 0.0f}},  // west
    };
    for (const auto& [line, point] : vertices) {
        EXPECT_NEAR(at(line, 0), point.x, 1e-4) << line;
        EXPECT_NEAR(at(line, 1), point.y, 1e-4) << line;
    }
    // At 60 degrees north a minute of arc east spans two minutes of longitude.
    PlotMap(*map_, 2).DrawEstimate({{60.0, 1.0}, kOneMinuteKm, kOneMinuteKm / 2, 90.0, 2, {}});
    EXPECT_NEAR(End(host_.TakeJournal().at(1), 0), 62.0f, 1e-3) << "the east end";
    const float dx = 8 * 0.15f * 0.70710678f, dy = 8 * 0.1f * 0.70710678f;
    const float cross[2][4] = {{60 - dx, -dy, 60 + dx, dy}, {60 - dx, dy, 60 + dx, -dy}};
    for (size_t i = 0; i < 2; ++i)
        for (size_t arg = 0; arg < 4; ++arg)
            EXPECT_NEAR(at(25 + i, arg), cross[i][arg], 1e-5) << i << " " << arg;
}

}  // namespace
}  // namespace trivex::plot
