#include "plot/plot_estimate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trivex::plot {
namespace {

// Each kept reading in degrees, its deviation the accuracy with the whole degree's rounding
// (1/12 deg^2) added, 5 deg when none is stated; a bearing outside 0..360 is not kept, and a
// call-sign read again updates its first row.
TEST(KeepReading, KeepsOneReadingPerStationWithItsDeviation) {
    StationTable stations{};
    const char* callsigns[] = {"G4AAA", "G4BBB", "G4AAA", "G4CCC", "G4DDD"};
    for (int row = 0; row < kStationCount; ++row) stations[row].Callsign = callsigns[row];
    const struct {
        int row;
        StationReading reading;
    } reports[] = {
        {0, {{60, 120}, 10, 4}},   // kept at row 0
        {1, {{60, 120}, 361, 4}},  // out of range
        {2, {{90, -30}, 12, 0}},   // G4AAA again: row 0 now reads this
        {3, {{-6, 3}, 360, 2}},    // 360 is north
        {4, {{-6, 3}, -1, 2}},     // out of range
    };
    std::vector<geometry::BearingReading> readings;
    for (const auto& report : reports) KeepReading(readings, stations, report.row, report.reading);
    const geometry::BearingReading expected[] = {{0, {-0.5, 1.5}, 12, std::sqrt(25 + 1.0 / 12)},
                                                 {3, {0.05, -0.1}, 360, std::sqrt(4 + 1.0 / 12)}};
    ASSERT_EQ(readings.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(testing::Message() << "reading " << i);
        EXPECT_EQ(readings[i].row, expected[i].row);
        EXPECT_DOUBLE_EQ(readings[i].station.latDeg, expected[i].station.latDeg);
        EXPECT_DOUBLE_EQ(readings[i].station.lonDeg, expected[i].station.lonDeg);
        EXPECT_EQ(readings[i].bearingDeg, expected[i].bearingDeg);
        EXPECT_DOUBLE_EQ(readings[i].sigmaDeg, expected[i].sigmaDeg);
    }
}

}  // namespace
}  // namespace trivex::plot
