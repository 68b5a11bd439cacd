#include "geometry/intersection.h"

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

class ChkIntersectionTest : public testing::Test {
  protected:
    ChkIntersectionTest() {
        // 0.1 minutes per pixel both ways; the vertical axis points down, as on a screen.
        host_.map = {600, 600, 60.0f, -60.0f, 0.0f, 60.0f};
    }

    void Set(int16_t index, float x, float y, int16_t bearing) {
        stations_[index] = {"DF" + std::to_string(index + 1), y, x, bearing, 0};
    }

    Intersection Check(double limitMetres = 100000) {
        return ChkIntersection(stations_, 0, 1, *map_, *app_, limitMetres);
    }
    Intersection CheckWith(host::UivApplication& app, double limitMetres) {
        return ChkIntersection(stations_, 0, 1, *map_, app, limitMetres);
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

TEST_F(ChkIntersectionTest, CrossesRaysThatMeetInFront) {
    Set(0, 0.0f, 0.0f, 45);
    Set(1, 10.0f, 0.0f, 315);
    const Intersection result = Check();
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.x, 5.0f);
    EXPECT_EQ(result.y, 5.0f);

    // Both stations are measured, station 1 first, in degrees, with the unrounded crossing.
    const std::vector<DistanceCall> calls = DistanceCalls(host_.Journal());
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].lat1, 0.0);
    EXPECT_EQ(calls[0].lon1, 0.0);
    EXPECT_EQ(calls[1].lat1, 0.0);
    EXPECT_EQ(calls[1].lon1, 10.0 / 60);
    for (const DistanceCall& call : calls) {
        EXPECT_EQ(call.lat2, 5.0 / 60);
        EXPECT_NEAR(call.lon2, 5.0 / 60, 1e-15);
        EXPECT_TRUE(call.flag);
    }
}

TEST_F(ChkIntersectionTest, MeasuresToTheCrossingBeforeItIsRounded) {
    Set(0, 0.0f, 0.0f, 45);
    Set(1, 1.0f, 0.0f, 300);  // the lines meet at x = y = (sqrt(3) - 1) / 2
    const Intersection result = Check();
    EXPECT_TRUE(result.accepted);
    EXPECT_FLOAT_EQ(result.x, 0.3660254f);
    for (const DistanceCall& call : DistanceCalls(host_.Journal())) {
        EXPECT_NEAR(call.lon2 * 60, 0.36602540378443865, 1e-13);  // x in double precision
        EXPECT_NE(call.lon2, static_cast<double>(result.x) / 60);
        EXPECT_EQ(call.lat2, static_cast<double>(result.y) / 60);  // y in single precision
    }
}

TEST_F(ChkIntersectionTest, SlopesFollowTheMapsAspect) {
    // 120 minutes across 800 pixels, 60 minutes down 600: the aspect is 2/3, and a bearing of
    // 45 degrees climbs 2 minutes of latitude for 3 of longitude.
    host_.map = {800, 600, 120.0f, -60.0f, 0.0f, 60.0f};
    Set(0, 0.0f, 0.0f, 45);
    Set(1, 30.0f, 0.0f, 0);
    Intersection result = Check();
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.x, 30.0f);
    EXPECT_EQ(result.y, 20.0f);

    // The same slope meets its mirror image half way.
    Set(1, 60.0f, 0.0f, 315);
    result = Check();
    EXPECT_TRUE(result.accepted);
    EXPECT_FLOAT_EQ(result.x, 30.0f);
    EXPECT_FLOAT_EQ(result.y, 20.0f);
}

TEST_F(ChkIntersectionTest, ReadsTheMapOnEveryCall) {
    Set(0, 0.0f, 0.0f, 45);
    Set(1, 30.0f, 0.0f, 0);
    EXPECT_EQ(Check().y, 30.0f);
    host_.map.heightUnits = -30.0f;  // zoomed in vertically: lines at 45 degrees flatten on the map
    EXPECT_EQ(Check().y, 15.0f);
}

TEST_F(ChkIntersectionTest, NorthSouthLinesCrossAtTheStationsLongitude) {
    struct Case {
        int16_t bearing1;
        float x2, y2;
        int16_t bearing2;
        float expectedY;
    };
    const Case cases[] = {
        {0, -7.3f, 21.7f, 90, 21.7f},       // north meets east: station 2's latitude exactly
        {360, 13.1f, 21.7f, 270, 21.7f},    // 360 is north too
        {180, -20.0f, -50.0f, 45, -27.3f},  // south meets a sloping line on that line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bearing1 << "/" << c.bearing2);
        Set(0, 2.7f, 4.1f, c.bearing1);
        Set(1, c.x2, c.y2, c.bearing2);
        const Intersection result = Check();
        EXPECT_TRUE(result.accepted) << result.result;
        EXPECT_EQ(result.x, 2.7f);
        EXPECT_FLOAT_EQ(result.y, c.expectedY);
        // The host measures to the point as returned, latitude already in single precision.
        for (const DistanceCall& call : DistanceCalls(host_.TakeJournal())) {
            EXPECT_EQ(call.lat2, static_cast<double>(result.y) / 60);
            EXPECT_EQ(call.lon2, static_cast<double>(2.7f) / 60);
        }

        // The same pair in the other order gives the same point.
        std::swap(stations_[0], stations_[1]);
        const Intersection swapped = Check();
        EXPECT_EQ(swapped.x, result.x);
        EXPECT_EQ(swapped.y, result.y);
        host_.TakeJournal();
    }
}

TEST_F(ChkIntersectionTest, RejectsBadBearingsInOrderWithoutAskingTheHost) {
    constexpr int16_t none = kNoBearing;
    struct Case {
        int16_t bearing1, bearing2;
        const char* expected;
    };
    const Case cases[] = {
        {none, 400, "no data"},                  // missing data before range
        {400, none, "no data"},                  // for either station
        {none, none, "no data"},                 //
        {-1, 45, "bearing DF1 out of range"},    // below 0
        {45, 361, "bearing DF2 out of range"},   // above 360
        {361, -1, "bearing DF1 out of range"},   // station 1 first
        {360, 400, "bearing DF2 out of range"},  // range before same bearings
        {45, 45, "same bearings "},              // equal
        {0, 360, "same bearings "},              // both north-south
        {0, 180, "same bearings "},              //
        {180, 360, "same bearings "},            //
        {90, 270, "same bearings "},             // both east-west
        {270, 270, "same bearings "},            //
    };
    for (const Case& c : cases) {
        Set(0, 0.0f, 0.0f, c.bearing1);
        Set(1, 10.0f, 0.0f, c.bearing2);
        SCOPED_TRACE(testing::Message() << c.bearing1 << "/" << c.bearing2);
        ExpectRejected(Check(), c.expected);
    }
    EXPECT_TRUE(host_.Journal().empty());
}

TEST_F(ChkIntersectionTest, RejectsCrossingsBehindAStation) {
    struct Case {
        float x1;
        int16_t bearing1;
        float x2;
        int16_t bearing2;
    };
    const Case cases[] = {
        {0.0f, 225, 10.0f, 135},  // facing away: the lines meet behind both
        {0.0f, 45, 10.0f, 135},   // behind station 2 only
        {0.0f, 225, 10.0f, 315},  // behind station 1 only
        {0.0f, 45, 10.0f, 225},   // nearly parallel: not the same bearing, met far away
    };
    for (const Case& c : cases) {
        Set(0, c.x1, 0.0f, c.bearing1);
        Set(1, c.x2, 0.0f, c.bearing2);
        SCOPED_TRACE(testing::Message() << c.bearing1 << "/" << c.bearing2);
        ExpectRejected(Check(), "No intersection");
        EXPECT_EQ(DistanceCalls(host_.TakeJournal()).size(), 2u);  // both asked before deciding
    }
}

TEST_F(ChkIntersectionTest, ParallelLinesDoNotCross) {
    host_.map.heightUnits = 0.0f;  // a view without height flattens every line
    Set(0, 0.0f, 0.0f, 45);
    Set(1, 10.0f, 0.0f, 135);
    ExpectRejected(Check(), "No intersection");
    EXPECT_TRUE(host_.Journal().empty());
}

TEST_F(ChkIntersectionTest, AViewWithoutScaleGivesNoIntersection) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    const sim::MapView views[] = {
        {0, 600, 60.0f, -60.0f, 0.0f, 60.0f},   // no width in pixels
        {600, 0, 60.0f, -60.0f, 0.0f, 60.0f},   // no height in pixels
        {600, 600, 0.0f, -60.0f, 0.0f, 60.0f},  // no width in minutes
        {600, 600, inf, -60.0f, 0.0f, 60.0f},   // extents that are not numbers
        {600, 600, 60.0f, nan, 0.0f, 60.0f},    //
    };
    Set(0, 0.0f, 0.0f, 45);
    Set(1, 10.0f, 0.0f, 315);
    for (const sim::MapView& view : views) {
        host_.map = view;
        ExpectRejected(Check(), "No intersection");
    }
    EXPECT_TRUE(host_.Journal().empty());
}

TEST_F(ChkIntersectionTest, ReadsTheMapBeforeLookingAtTheStations) {
    Set(0, 0.0f, 0.0f, kNoBearing);
    Set(1, 10.0f, 0.0f, kNoBearing);
    host_.FailNext("GetHeightUnits", "map gone");
    EXPECT_THROW(Check(), host::HostError);
}

TEST_F(ChkIntersectionTest, LimitsTheDistanceFromEitherStation) {
    Set(0, 0.0f, 0.0f, 45);
    Set(1, 10.0f, 0.0f, 315);  // about 13.1 km from the crossing
    struct Case {
        double limitMetres;
        const char* expected;
    };
    const Case cases[] = {
        {0, "distance > 0 km."},         // every point away from the stations
        {10000, "distance > 10 km."},    // whole kilometres without a fraction
        {12500, "distance > 12.5 km."},  //
    };
    for (const Case& c : cases) ExpectRejected(Check(c.limitMetres), c.expected);
    EXPECT_TRUE(Check(13200).accepted);
}

TEST_F(ChkIntersectionTest, AcceptsADistanceEqualToTheLimit) {
    Set(0, 0.0f, 0.0f, 45);
    Set(1, 10.0f, 0.0f, 315);
    FixedAnswers atLimit({{2.5, 45.0}, {2.5, 315.0}});
    EXPECT_TRUE(CheckWith(atLimit, 2500).accepted);
    FixedAnswers justBeyond({{2.5, 45.0}, {2.5000000001, 315.0}});
    ExpectRejected(CheckWith(justBeyond, 2500), "distance > 2.5 km.");
}

TEST_F(ChkIntersectionTest, InFrontMeansWithin90DegreesAroundTheCircle) {
    struct Case {
        int16_t bearing;
        double toPoint;
        bool inFront;
    };
    const Case cases[] = {
        {359, 1.0, true},    // across north: 2 degrees apart, not 358
        {1, 359.0, true},    //
        {0, 359.9, true},    //
        {45, 134.9, true},   // just inside
        {45, 135.0, false},  // exactly 90 is not in front
        {45, 315.0, false},  // 90 the other way
        {45, 225.0, false},  // straight behind
        {350, 80.0, false},  // 90 across north
        {350, 79.5, true},   //
    };
    for (const Case& c : cases) {
        Set(0, 0.0f, 0.0f, c.bearing);
        Set(1, -10.0f, 5.0f, 90);
        FixedAnswers host({{1.0, c.toPoint}, {1.0, 90.0}});
        const Intersection result = CheckWith(host, 1000);
        EXPECT_EQ(result.accepted, c.inFront) << "station " << c.bearing << ", point at " << c.toPoint;
        if (!c.inFront) {
            EXPECT_EQ(result.result, "No intersection");
        }
    }
}

}  // namespace
}  // namespace trivex
