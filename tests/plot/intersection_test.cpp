#include "plot/intersection.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "host/sim/sim_host.h"

namespace trivex::plot {
namespace {

// Answers CalcDistanceBearing with fixed numbers in turn and keeps the questions.
struct FixedAnswers : host::UivApplication {
    explicit FixedAnswers(std::vector<host::DistanceBearing> given) : answers(std::move(given)) {}
    host::DistanceBearing CalcDistanceBearing(double lat1, double lon1, double lat2, double lon2,
                                              bool flag) override {
        questions.push_back({lat1, lon1, lat2, lon2, flag ? 1.0 : 0.0});
        return answers.at(questions.size() - 1);
    }
    bool GetStationInfo(host::UivStationInfo&) override { return false; }
    std::unique_ptr<host::UivMap> GetMap() override { return nullptr; }
    std::vector<std::string> GetObjectList() override { return {}; }
    int16_t AddObject(host::UivObject&) override { return 0; }
    int16_t DeleteObject(const std::string&, bool) override { return 0; }
    void Subscribe(host::HostEvents*) override {}

    std::vector<host::DistanceBearing> answers;
    std::vector<std::vector<double>> questions;
};

class IntersectPairTest : public testing::Test {
  protected:
    // 0.1 minutes per pixel both ways: station 1 at the origin looking north-east, station 2
    // ten minutes east looking north-west; their lines cross at (5, 5).
    IntersectPairTest() {
        host_.map = {600, 600, 60.0f, -60.0f, 0.0f, 60.0f};
        stations_[0] = {"DF1", 0.0f, 0.0f, 45, 0};
        stations_[1] = {"DF2", 0.0f, 10.0f, 315, 0};
    }
    Intersection Check(host::UivApplication& app, double limitMetres) {
        PlotMap map(*map_, 1);
        return IntersectPair(stations_, 0, 1, map, app, limitMetres);
    }

    sim::SimHost host_;
    std::unique_ptr<host::UivMap> map_ = host_.NewApplication()->GetMap();
    StationTable stations_;
};

// What the host is asked before anything is decided: from each station to the crossing.
const std::vector<std::vector<double>> kQuestions = {{0, 0, 5.0 / 60, 5.0 / 60, 1},
                                                     {0, 10.0 / 60, 5.0 / 60, 5.0 / 60, 1}};

TEST_F(IntersectPairTest, KeepsOnlyCrossingsInFrontOfBothWithinTheLimit) {
    struct Case {
        double toPoint1, km1, toPoint2, km2, limitMetres;
        PairVerdict verdict;
        const char* named;  // the station the verdict names
        double number;      // the bearing to the crossing (behind) or the distance (too far)
    };
    const Case cases[] = {
        {45, 1, 315, 1, 1000, PairVerdict::Accepted, "", 0},       // in front of both, within the limit
        {225, 1, 315, 1, 1000, PairVerdict::Behind, "DF1", 225},   // behind station 1
        {45, 1, 135, 1, 1000, PairVerdict::Behind, "DF2", 135},    // behind station 2
        {45, 2.5, 315, 2.5, 2500, PairVerdict::Accepted, "", 0},   // a distance equal to the limit
        {45, 2.6, 315, 1, 2500, PairVerdict::TooFar, "DF1", 2.6},  // station 1 beyond it
        {45, 1, 315, 2.5000000001, 2500, PairVerdict::TooFar, "DF2", 2.5000000001},  // station 2 just beyond
        {45, 2.5, 315, 2.6, 2500, PairVerdict::TooFar, "DF2", 2.6},  // station 1 at the limit, 2 beyond
        {45, 0.001, 315, 0, 0, PairVerdict::TooFar, "DF1",
         0.001},  // a limit of 0 keeps nothing away from them
    };
    for (const Case& c : cases) {
        FixedAnswers app({{c.km1, c.toPoint1}, {c.km2, c.toPoint2}});
        const Intersection result = Check(app, c.limitMetres);
        const PairOutcome& outcome = result.outcome;
        EXPECT_EQ(result.accepted, c.verdict == PairVerdict::Accepted) << "case " << &c - cases;
        EXPECT_EQ(outcome.verdict, c.verdict) << "case " << &c - cases;
        EXPECT_EQ(outcome.station, c.named) << "case " << &c - cases;
        EXPECT_EQ(c.verdict == PairVerdict::Behind ? outcome.bearingToCrossing : outcome.distanceKm,
                  c.verdict == PairVerdict::Accepted ? 0 : c.number)
            << "case " << &c - cases;
        ASSERT_EQ(app.questions.size(), 2u) << "case " << &c - cases;
        for (size_t call = 0; call < 2; ++call)
            for (size_t arg = 0; arg < 5; ++arg)
                EXPECT_NEAR(app.questions[call][arg], kQuestions[call][arg], 1e-15)
                    << "call " << call << ", argument " << arg;
        ASSERT_TRUE(outcome.crossing) << "the crossing is kept, accepted or not";
        EXPECT_EQ(outcome.crossing->x, 5.0f);
        const float kept = c.verdict == PairVerdict::Accepted ? 5.0f : kNoPosition;
        EXPECT_EQ(result.x, kept) << "case " << &c - cases;
        EXPECT_EQ(result.y, kept) << "case " << &c - cases;
    }
}

TEST_F(IntersectPairTest, AsksTheHostNothingWithoutACrossing) {
    struct Case {
        int16_t first, second;
        float secondX;  // minutes east of the first station
        PairVerdict verdict;
        const char* named;
        int16_t widthPixels = 600;
    };
    const Case cases[] = {
        {geometry::kNoBearing, 315, 10, PairVerdict::NoData, "DF1"},
        {45, geometry::kNoBearing, 10, PairVerdict::NoData, "DF2"},
        {45, -1, 10, PairVerdict::OutOfRange, "DF2"},
        {45, 45, 10, PairVerdict::SameBearings, ""},
        {45, 225, 10, PairVerdict::Parallel, ""},
        {1, 359, 600, PairVerdict::BeyondRange, ""},  // they meet 286 degrees north
        {45, 315, 10, PairVerdict::NoMap, "", 0},     // a map without a scale
    };
    for (const Case& c : cases) {
        stations_[0].Bearing = c.first;
        stations_[1].Bearing = c.second;
        stations_[1].LonMinutes = c.secondX;
        host_.map.widthPixels = c.widthPixels;
        FixedAnswers app({});
        const Intersection result = Check(app, 1000);
        EXPECT_FALSE(result.accepted) << c.first << " and " << c.second;
        EXPECT_EQ(result.outcome.verdict, c.verdict) << c.first << " and " << c.second;
        EXPECT_EQ(result.outcome.station, c.named) << c.first << " and " << c.second;
        EXPECT_TRUE(app.questions.empty()) << c.first << " and " << c.second;
    }
}

}  // namespace
}  // namespace trivex::plot
