#include "plot/intersection.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "host/sim/sim_host.h"

namespace trivex {
namespace {

// The arguments of one CalcDistanceBearing call as the host received them.
struct DistanceCall {
    double lat1, lon1, lat2, lon2;
    bool flag;
};

std::vector<DistanceCall> DistanceCalls(const std::vector<sim::JournalEntry>& journal) {
    std::vector<DistanceCall> calls;
    for (const sim::JournalEntry& entry : journal) {
        if (entry.call != "CalcDistanceBearing") continue;
        const auto arg = [&](size_t i) { return std::get<double>(entry.args.at(i)); };
        calls.push_back({arg(0), arg(1), arg(2), arg(3), std::get<bool>(entry.args.at(4))});
    }
    return calls;
}

// Answers CalcDistanceBearing with fixed numbers, one answer per call in turn; nothing else is used.
class FixedAnswers : public host::UivApplication {
  public:
    explicit FixedAnswers(std::vector<host::DistanceBearing> answers) : answers_(std::move(answers)) {}
    host::DistanceBearing CalcDistanceBearing(double, double, double, double, bool) override {
        return answers_.at(next_++);
    }
    bool GetStationInfo(host::UivStationInfo&) override { return false; }
    std::unique_ptr<host::UivMap> GetMap() override { return nullptr; }
    std::vector<std::string> GetObjectList() override { return {}; }
    int16_t AddObject(host::UivObject&) override { return 0; }
    int16_t DeleteObject(const std::string&, bool) override { return 0; }
    void Subscribe(host::HostEvents*) override {}

  private:
    std::vector<host::DistanceBearing> answers_;
    size_t next_ = 0;
};

// 0.1 minutes per pixel both ways; the vertical axis points down, as on a screen.
constexpr sim::MapView kSquareView = {600, 600, 60.0f, -60.0f, 0.0f, 60.0f};

class ChkIntersectionTest : public testing::Test {
  protected:
    ChkIntersectionTest() { host_.map = kSquareView; }

    void Set(int16_t index, float x, float y, int16_t bearing) {
        stations_[index] = {"DF" + std::to_string(index + 1), y, x, bearing, 0};
    }
    Intersection Check(double limitMetres = 100000) { return CheckWith(*app_, limitMetres); }
    Intersection CheckWith(host::UivApplication& app, double limitMetres) {
        PlotMap map(*map_, 1);
        return ChkIntersection(stations_, 0, 1, map, app, limitMetres);
    }

    sim::SimHost host_;
    std::unique_ptr<host::UivApplication> app_ = host_.NewApplication();
    std::unique_ptr<host::UivMap> map_ = app_->GetMap();
    StationTable stations_;
};

void ExpectRejected(const Intersection& result, const std::string& why) {
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.result, why);
    EXPECT_EQ(result.x, kNoPosition);
    EXPECT_EQ(result.y, kNoPosition);
}

TEST_F(ChkIntersectionTest, CrossesWhereTheLinesMeetOnTheMapAsItIsNow) {
    constexpr sim::MapView zoomedIn = {600, 600, 60.0f, -30.0f, 0.0f, 60.0f};
    constexpr sim::MapView axisUp = {600, 600, 60.0f, 30.0f, 0.0f, 60.0f};
    constexpr sim::MapView wide = {800, 600, 120.0f, -60.0f, 0.0f, 60.0f};  // 2 minutes up for 3 across
    struct Case {
        sim::MapView view;
        float x1, y1;
        int16_t bearing1;
        float x2, y2;
        int16_t bearing2;
        double x;  // the crossing's longitude as the host gets it
        float y;
    };
    constexpr sim::MapView square = kSquareView;
    const Case cases[] = {
        {square, 0, 0, 45, 10, 0, 315, 5, 5},                       // in front of both
        {square, 0, 0, 45, 30, 0, 0, 30, 30},                       // square pixels: 45 degrees on the map
        {zoomedIn, 0, 0, 45, 30, 0, 0, 30, 15},                     // zoomed in vertically: flatter
        {axisUp, 0, 0, 45, 30, 0, 0, 30, 15},                       // a vertical axis pointing up
        {wide, 0, 0, 45, 30, 0, 0, 30, 20},                         // the aspect of a wide view
        {wide, 0, 0, 45, 60, 0, 315, 30, 20},                       // its mirror image meets it half way
        {square, 2.7f, -4.1f, 0, -7.3f, 0, 90, 2.7f, 0},            // north meets east: station 2's latitude
        {square, 2.7f, 4.1f, 360, 13.1f, 21.7f, 270, 2.7f, 21.7f},  // 360 is north too
        {square, 2.7f, 4.1f, 180, -20, -50, 45, 2.7f, -27.3f},      // south meets a sloping line on that line
        {square, 0, 0, 45, 1, 0, 300, 0.36602540378443865, 0.366025418f},  // (sqrt(3) - 1) / 2, unrounded
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        host_.map = c.view;
        Set(0, c.x1, c.y1, c.bearing1);
        Set(1, c.x2, c.y2, c.bearing2);
        const Intersection result = Check();
        EXPECT_TRUE(result.accepted) << result.result;
        EXPECT_FLOAT_EQ(result.x, static_cast<float>(c.x));
        EXPECT_EQ(result.y, c.y);
        // Station 1 first, each from its own position, in degrees, to the crossing with its
        // latitude as the single returned.
        const std::vector<DistanceCall> calls = DistanceCalls(host_.TakeJournal());
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0].lon1, static_cast<double>(c.x1) / 60);
        EXPECT_EQ(calls[1].lat1, static_cast<double>(c.y2) / 60);
        for (const DistanceCall& call : calls) {
            EXPECT_NEAR(call.lon2 * 60, c.x, 1e-12);
            EXPECT_EQ(call.lat2, static_cast<double>(result.y) / 60);
            EXPECT_TRUE(call.flag);
        }
    }
}

TEST_F(ChkIntersectionTest, RejectsPairsInOrderAskingTheHostOnlyForACrossing) {
    constexpr int16_t none = kNoBearing;
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr sim::MapView square = kSquareView;
    struct Case {
        sim::MapView view;
        int16_t bearing1, bearing2;
        const char* expected;
        size_t hostCalls;
    };
    const Case cases[] = {
        {square, none, 400, "no data", 0},                  // missing data before range
        {square, 400, none, "no data", 0},                  // for either station
        {square, -1, 45, "bearing DF1 out of range", 0},    // below 0
        {square, 45, 361, "bearing DF2 out of range", 0},   // above 360
        {square, 361, -1, "bearing DF1 out of range", 0},   // station 1 first
        {square, 360, 400, "bearing DF2 out of range", 0},  // range before same bearings
        {square, 45, 45, "same bearings ", 0},              // equal
        {square, 0, 360, "same bearings ", 0},              // both north-south
        {square, 0, 180, "same bearings ", 0},              //
        {square, 90, 270, "same bearings ", 0},             // both east-west
        {square, 225, 135, "No intersection", 2},           // facing away: the lines meet behind both
        {square, 45, 135, "No intersection", 2},            // behind station 2 only
        {square, 225, 315, "No intersection", 2},           // behind station 1 only
        {square, 45, 225, "No intersection", 0},            // nearly parallel: they meet beyond a pole
        {{600, 600, 60, 0, 0, 60}, 45, 315, "No intersection", 0},     // no height flattens every line
        {{0, 600, 60, -60, 0, 60}, 45, 315, "No intersection", 0},     // no width in pixels
        {{600, 0, 60, -60, 0, 60}, 45, 315, "No intersection", 0},     // no height in pixels
        {{600, 600, 0, -60, 0, 60}, 45, 315, "No intersection", 0},    // no width in minutes
        {{600, 600, inf, -60, 0, 60}, 45, 315, "No intersection", 0},  // extents that are not numbers
        {{600, 600, 60, nan, 0, 60}, 45, 315, "No intersection", 0},   //
        {{0, 600, 60, -60, 0, 60}, none, none, "No intersection", 0},  // the map is looked at first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        host_.map = c.view;
        Set(0, 0.0f, 0.0f, c.bearing1);
        Set(1, 10.0f, 0.0f, c.bearing2);
        ExpectRejected(Check(), c.expected);
        EXPECT_EQ(DistanceCalls(host_.TakeJournal()).size(), c.hostCalls);
    }
}

TEST_F(ChkIntersectionTest, CrossingBeyondAPoleIsNoPosition) {
    host_.map = kSquareView;
    Set(0, 0.0f, 0.0f, 1);  // ten degrees apart, nearly parallel: they meet at 286 degrees north
    Set(1, 600.0f, 0.0f, 359);
    ExpectRejected(Check(), "No intersection");
    EXPECT_TRUE(DistanceCalls(host_.TakeJournal()).empty());
}

// With fixed answers from the host: the bearing it gives from station 1 to the crossing, and both distances.
TEST_F(ChkIntersectionTest, AcceptsCrossingsInFrontOfBothWithinTheDistance) {
    struct Case {
        int16_t bearing1;
        double toPoint1, km1, km2, limitMetres;
        const char* rejected;  // nullptr: accepted
    };
    const Case cases[] = {
        {359, 1.0, 1, 1, 1000, nullptr},                          // across north: 2 degrees apart, not 358
        {1, 359.0, 1, 1, 1000, nullptr},                          //
        {45, 134.9, 1, 1, 1000, nullptr},                         // just inside
        {45, 135.0, 1, 1, 1000, "No intersection"},               // exactly 90 is not in front
        {45, 225.0, 9, 9, 1000, "No intersection"},               // straight behind, before too far
        {350, 80.0, 1, 1, 1000, "No intersection"},               // 90 across north
        {45, 45, 2.5, 2.5, 2500, nullptr},                        // a distance equal to the limit
        {45, 45, 2.5, 2.5000000001, 2500, "distance > 2.5 km."},  // station 2 just beyond
        {45, 45, 2.6, 1, 2500, "distance > 2.5 km."},             // station 1 beyond
        {45, 45, 0.001, 0, 0, "distance > 0 km."},                // every point away from the stations
        {45, 45, 10.5, 1, 10000, "distance > 10 km."},            // whole kilometres without a fraction
    };
    for (const Case& c : cases) {
        Set(0, 0.0f, 0.0f, c.bearing1);
        Set(1, -10.0f, 5.0f, 90);
        FixedAnswers host({{c.km1, c.toPoint1}, {c.km2, 90.0}});
        const Intersection result = CheckWith(host, c.limitMetres);
        SCOPED_TRACE(testing::Message() << "station at " << c.bearing1 << ", point at " << c.toPoint1 << ", "
                                        << c.km1 << " and " << c.km2 << " km");
        if (c.rejected) {
            ExpectRejected(result, c.rejected);
        } else {
            EXPECT_TRUE(result.accepted) << result.result;
        }
    }
}

}  // namespace
}  // namespace trivex
