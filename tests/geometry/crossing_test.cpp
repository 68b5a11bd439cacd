#include "geometry/crossing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace trivex::geometry {
namespace {

TEST(CheckBearings, TakesTheFirstRuleThatApplies) {
    using enum BearingCheck;
    struct Case {
        int16_t first, second;
        BearingCheck expected;
    };
    const Case cases[] = {
        {kNoBearing, 400, NoData},     // missing data before range
        {400, kNoBearing, NoData},     // for either station
        {-1, 45, FirstOutOfRange},     // below 0
        {45, 361, SecondOutOfRange},   // above 360
        {361, -1, FirstOutOfRange},    // the first station first
        {360, 400, SecondOutOfRange},  // range before same bearings
        {45, 45, SameBearings},        // equal
        {0, 360, SameBearings},        // both north-south
        {90, 270, SameBearings},       // both east-west
        {45, 225, Usable},             // opposite, but neither north-south nor east-west
        {0, 90, Usable},               // 0 and 360 are in range
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckBearings(c.first, c.second), c.expected) << c.first << " and " << c.second;
}

TEST(CrossBearingLines, MeetWhereTheLinesCrossOnTheScreen) {
    struct Case {
        BearingLine first, second;
        double aspect;
        double x;  // nan: no crossing
        float y;
        NoCrossing why = NoCrossing::Parallel;
    };
    const double none = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {{0, 0, 45}, {10, 0, 315}, 1, 5, 5},             // in front of both
        {{0, 0, 45}, {30, 0, 0}, 0.5, 30, 15},           // flatter where minutes up are fewer per pixel
        {{0, 0, 45}, {60, 0, 315}, 2.0 / 3, 30, 20},     // mirror images meet half way
        {{2.7f, -4.1f, 0}, {-7.3f, 0, 90}, 1, 2.7f, 0},  // north meets east: the second's latitude
        {{2.7f, 4.1f, 360}, {13.1f, 21.7f, 270}, 1, 2.7f, 21.7f},  // 360 is north too
        {{13.1f, 21.7f, 270}, {2.7f, 4.1f, 180}, 1, 2.7f, 21.7f},  // in either order
        {{2.7f, 4.1f, 180}, {-20, -50, 45}, 1, 2.7f, -27.3f},      // south meets a sloping line on that line
        {{0, 0, 45}, {1, 0, 300}, 1, 0.36602540378443865, 0.366025418f},    // (sqrt(3) - 1) / 2, unrounded
        {{0, 0, 45}, {10, 0, 225}, 1, none, 0},                             // parallel: they never meet
        {{0, 0, 1}, {600, 0, 359}, 1, none, 0, NoCrossing::BeyondRange},    // they meet 286 degrees north
        {{0, 0, 179}, {600, 0, 181}, 1, none, 0, NoCrossing::BeyondRange},  // or as far south
        {{0, 0, 89}, {1, 0, 91}, 1e38, none, 0, NoCrossing::BeyondRange},   // beyond the range of a single
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        const std::variant<Crossing, NoCrossing> result = CrossBearingLines(c.first, c.second, c.aspect);
        const Crossing* point = std::get_if<Crossing>(&result);
        if (std::isnan(c.x)) {
            ASSERT_FALSE(point) << point->x << ", " << point->y;
            EXPECT_EQ(std::get<NoCrossing>(result), c.why);
            continue;
        }
        ASSERT_TRUE(point);
        EXPECT_NEAR(point->x, c.x, 1e-12);
        EXPECT_EQ(point->y, c.y);
    }
}

TEST(IsInFront, WithinNinetyDegreesAroundTheCircle) {
    struct Case {
        double toPoint;
        int16_t bearing;
        bool inFront;
    };
    const Case cases[] = {
        {1.0, 359, true},    // across north: 2 degrees apart, not 358
        {134.9, 45, true},   // just inside
        {135.0, 45, false},  // exactly 90 is not in front
        {225.0, 45, false},  // straight behind
        {80.0, 350, false},  // 90 across north
        {45.0, 405, true},   // a full turn changes nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsInFront(c.toPoint, c.bearing), c.inFront)
            << c.toPoint << " from a bearing of " << c.bearing;
}

}  // namespace
}  // namespace trivex::geometry
