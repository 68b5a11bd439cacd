#include "geometry/great_circle.h"

#include <gtest/gtest.h>

namespace trivex::geometry {
namespace {

TEST(GreatCircle, MatchesPublishedFigures) {
    struct Case {
        const char* what;
        double lat1, lon1, lat2, lon2;
        double km, kmTolerance, bearing, bearingTolerance;
    };
    const Case cases[] = {
        // Land's End to John o' Groats: 968.9 km, initial bearing 009 07 11.
        {"LEJOG", 50.0664, -5.7147, 58.6439, -3.07, 968.9, 0.1, 9.1198, 0.001},
        // Equator to the north pole along the prime meridian, due north.
        {"pole", 0, 0, 90, 0, 10007.543, 0.001, 0.0, 1e-9},
        // Due west comes out as 270, not -90.
        {"west", 10, 20, 10, 19, 109.50, 0.01, 270.1, 0.1},
    };
    for (const Case& c : cases) {
        const auto r = GreatCircle(c.lat1, c.lon1, c.lat2, c.lon2);
        EXPECT_NEAR(r.distanceKm, c.km, c.kmTolerance) << c.what;
        EXPECT_NEAR(r.bearingDegrees, c.bearing, c.bearingTolerance) << c.what;
    }
}

}  // namespace
}  // namespace trivex::geometry
