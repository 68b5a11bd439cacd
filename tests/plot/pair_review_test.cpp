#include "plot/pair_review.h"

#include <gtest/gtest.h>

namespace trivex::plot {
namespace {

PairOutcome Accepted(int16_t first, int16_t second, float x, float y) {
    PairOutcome pair{first, second, PairVerdict::Accepted};
    pair.crossing = geometry::MapPoint{x, y};
    return pair;
}

// Three stations on the equator whose pairs cross at (0,0), (0,6) and (6,0) minutes: the fix is
// (2,2). A minute of arc is 6371 km * pi / 10800 = 1.853248 km, so leaving out G4AAA or G4BBB
// moves it sqrt(20) minutes (8.2880 km) and G4CCC sqrt(8) minutes (5.2418 km). A rejected pair
// and a station without an accepted pair change nothing.
TEST(LeaveEachOut, MovesTheFixByTheCrossingsOfTheOtherPairs) {
    StationTable stations{};
    stations[0] = {"G4AAA", 0, 0, 45, 2};
    stations[1] = {"G4BBB", 0, 0, 45, 2};
    stations[2] = {"G4CCC", 0, 0, 45, 2};
    stations[3] = {"G4DDD", 0, 0, 45, 0};
    PairOutcome tooFar{2, 3, PairVerdict::TooFar};
    tooFar.crossing = geometry::MapPoint{60, 60};
    const std::vector<PairOutcome> pairs = {Accepted(0, 1, 0, 0), Accepted(0, 2, 0, 6), tooFar,
                                            Accepted(1, 2, 6, 0)};
    const std::vector<LeftOut> left = LeaveEachOut(pairs, stations);
    ASSERT_EQ(left.size(), 3u);
    const struct {
        const char* station;
        float x, y;
        double km;
    } expected[] = {{"G4AAA", 6, 0, 8.2880}, {"G4BBB", 0, 6, 8.2880}, {"G4CCC", 0, 0, 5.2418}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(left[i].station, expected[i].station);
        ASSERT_TRUE(left[i].fix);
        EXPECT_EQ(left[i].fix->x, expected[i].x);
        EXPECT_EQ(left[i].fix->y, expected[i].y);
        EXPECT_NEAR(left[i].movesKm, expected[i].km, 1e-4) << expected[i].station;
    }
    EXPECT_EQ(LeftOutLine(left[2]), "without G4CCC the fix moves 5.24 km\r\n");
    // With one pair only, neither station leaves a fix behind.
    stations[2].FixCount = 0;
    const std::vector<LeftOut> alone = LeaveEachOut({Accepted(0, 1, 0, 0)}, stations);
    ASSERT_EQ(alone.size(), 2u);
    EXPECT_EQ(LeftOutLine(alone[0]), "without G4AAA there is no fix\r\n");
}

TEST(PairLine, NamesTheStationWithTheNumbers) {
    // The log pairs scenario shows the lines of the other verdicts.
    PairOutcome outOfRange{0, 1, PairVerdict::OutOfRange, 1, "M0BXT", 400};
    const std::pair<PairOutcome, const char*> cases[] = {
        {outOfRange, "[1,2] bearing out of range: M0BXT 400\r\n"},
        {PairOutcome{3, 4, PairVerdict::Parallel}, "[4,5] parallel on the map\r\n"},
    };
    for (const auto& [outcome, line] : cases) EXPECT_EQ(PairLine(outcome), line);
}

}  // namespace
}  // namespace trivex::plot
