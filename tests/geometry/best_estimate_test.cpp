#include "geometry/best_estimate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trivex::geometry {
namespace {

// Stations whose bearings meet at X = (atan(sin 0.1 deg), 0.1 deg) = (0.0999998477, 0.1) on
// the equator: A at (0, 0) looking 45 deg and B at (0, 0.2) looking 315 deg, each 15.72532 km
// from X; C at (-0.1, 0.1) looking north, 22.23897 km from X; D at (0.3, 0.1) looking south.
constexpr GeoPoint kX{0.0999998477, 0.1};
BearingReading A(double bearing = 45) {
    return {0, {0, 0}, bearing, 0.1};
}
BearingReading B(double bearing = 315) {
    return {1, {0, 0.2}, bearing, 0.2};
}
BearingReading C(double bearing = 0) {
    return {2, {-0.1, 0.1}, bearing, 0.2};
}
BearingReading D(double bearing = 180) {
    return {3, {0.3, 0.1}, bearing, 0.2};
}

// The 95% ellipse by hand: a bearing of deviation s (rad) at d km places the point within d*s
// km across it. A and B cross at right angles, so the axes are sqrt(5.991) * 15.72532 km *
// 0.2 deg = 0.134356 km along A's line (45 deg) and half that across. With C the information
// matrix (sum of g g' / s^2, g = (cos b, -sin b) / d) inverts to axes 0.121179 and 0.065014 km,
// the long one at 40.27 deg.
TEST(EstimatePosition, FitsTheBearingsWithTheirEllipse) {
    const struct Case {
        std::vector<BearingReading> readings;
        std::optional<GeoPoint> start;
        double majorKm, minorKm, axisDeg;
    } cases[] = {
        {{A(), B()}, std::nullopt, 0.134356, 0.067178, 45.0},          // two: their crossing
        {{A(), B()}, GeoPoint{0.11, 0.09}, 0.134356, 0.067178, 45.0},  // from a start a little off
        {{A(), B(), C()}, std::nullopt, 0.121179, 0.065014, 40.27},    // three
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        const std::optional<BestEstimate> estimate = EstimatePosition(c.readings, c.start);
        ASSERT_TRUE(estimate);
        EXPECT_NEAR(estimate->position.latDeg, kX.latDeg, 1e-7);
        EXPECT_NEAR(estimate->position.lonDeg, kX.lonDeg, 1e-7);
        // The traced ellipse departs from the linearised one by about its size over the distance.
        EXPECT_NEAR(estimate->semiMajorKm, c.majorKm, 0.015 * c.majorKm);
        EXPECT_NEAR(estimate->semiMinorKm, c.minorKm, 0.015 * c.minorKm);
        EXPECT_NEAR(estimate->axisBearingDeg, c.axisDeg, 0.05);
        EXPECT_EQ(estimate->stationsUsed, static_cast<int>(c.readings.size()));
        EXPECT_TRUE(estimate->leftOut.empty());
    }
}

// D's deviation from the fit of A, B and C: its own 0.2 deg and the 0.0976 deg by which their
// fit (east deviation 0.0379 km by hand as above) is uncertain 22.239 km away: 0.2225 deg.
TEST(EstimatePosition, LeavesOutABearingThatDisagreesWithTheOthers) {
    const struct Case {
        std::vector<BearingReading> readings;
        int leftOut;    // -1: none
        double sigmas;  // 0: not checked
    } cases[] = {
        {{A(), B(), C(), D()}, -1, 0},          // all agree
        {{A(), B(), C(), D(180.6)}, -1, 0},     // D 2.70 deviations off: kept
        {{A(), B(), C(), D(180.7)}, 3, 3.146},  // 3.15: left out
        {{A(), B(), C(), D(210)}, 3, 0},        // D reflected by 30 deg
        {{A(), B(), C(), D(0)}, 3, 0},          // D's antenna reversed
        {{A(225), B(), C(), D()}, 0, 0},        // A's reversed
        {{A(), B(), C(20), D()}, 2, 0},         // C reflected by 20 deg
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        const std::optional<BestEstimate> estimate = EstimatePosition(c.readings, kX);
        ASSERT_TRUE(estimate);
        if (c.leftOut < 0) {
            EXPECT_TRUE(estimate->leftOut.empty());
            continue;
        }
        ASSERT_EQ(estimate->leftOut.size(), 1u);
        EXPECT_EQ(estimate->leftOut[0].row, c.leftOut);
        EXPECT_GT(estimate->leftOut[0].sigmas, 3.0);
        if (c.sigmas > 0) {
            EXPECT_NEAR(estimate->leftOut[0].sigmas, c.sigmas, 0.005);
        }
        EXPECT_EQ(estimate->stationsUsed, 3);
        EXPECT_NEAR(estimate->position.latDeg, kX.latDeg, 1e-7);
        EXPECT_NEAR(estimate->position.lonDeg, kX.lonDeg, 1e-7);
    }
}

TEST(EstimatePosition, NoneWithoutTwoBearingsThatMeetInFront) {
    const struct Case {
        std::vector<BearingReading> readings;
        std::optional<GeoPoint> start = std::nullopt;
    } cases[] = {
        {{}},                  // no station
        {{A()}},               // one
        {{A(225), B(135)}},    // two that part: they meet only behind both
        {{A(), B(), C(180)}},  // three, one reversed: too few to leave it out
        {{{0, {-0.1, 0.1}, 45, 0.2}, {1, {-0.2, 0}, 45, 0.2}}, GeoPoint{0.1, 0.2}},  // two in line
        {{{0, {52, 1.3}, 0, 0.2}, {1, {51.9, 1.3}, 0, 0.2}}, GeoPoint{52.1, 1.3}},   // in line on a meridian
    };
    for (const Case& c : cases) EXPECT_FALSE(EstimatePosition(c.readings, c.start)) << "case " << &c - cases;
}

}  // namespace
}  // namespace trivex::geometry
