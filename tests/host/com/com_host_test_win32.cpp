// The COM client of the host against the registered stand-in server, through the host
// interfaces only; the stand-in's control object sets the data and reads the journal.
#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "com/com_error_win32.h"
#include "host/com/com_host_win32.h"
#include "host/com/event_sink_win32.h"
#include "host/sim/sim_host.h"
#include "standin_control_win32.h"

#include <psapi.h>  // after <windows.h>

namespace trivex::com {
namespace {

using nlohmann::json;
using Events = std::vector<std::string>;

const char* const kScenario = R"({
  "map": {"widthPixels": 640, "heightPixels": 480, "widthUnits": 96.5, "heightUnits": -72.25, "leftEdge": -30.5},
  "stations": [{"callsign": "G4ABC", "latitude": 3100.25, "longitude": -60.75, "infoText1": "first line",
                "infoText3": "%090%005"}],
  "objects": ["*OTHER"]
})";

// Every test starts from the scenario with an empty journal, and must leave no more objects
// alive in the server than it found, and no event sink alive here. The apartment and one
// control object last for the whole suite: they keep the server running.
class ComHostTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        apartment_ = std::make_unique<ComApartment>();
        control_ = std::make_unique<standin::StandInControlClient>();
    }
    static void TearDownTestSuite() {
        control_.reset();
        apartment_.reset();
    }
    void SetUp() override {
        control().LoadScenario(kScenario);
        control().TakeJournal();
        liveAtStart_ = control().LiveObjects();
        sinksAtStart_ = EventSink::Alive();
    }
    void TearDown() override {
        EXPECT_EQ(control().LiveObjects(), liveAtStart_) << "host objects left alive in the server";
        EXPECT_EQ(EventSink::Alive(), sinksAtStart_) << "event sinks left alive in this process";
    }
    static standin::StandInControlClient& control() { return *control_; }
    static json Journal() { return json::parse(control().TakeJournal()); }

    static inline std::unique_ptr<ComApartment> apartment_;
    static inline std::unique_ptr<standin::StandInControlClient> control_;
    ComHost host;
    long liveAtStart_ = 0, sinksAtStart_ = 0;
};

TEST_F(ComHostTest, CallsArriveTypedAndAnswersComeBack) {
    auto app = host.NewApplication();
    auto info = host.NewStationInfo();
    info->SetCallsign("G4ABC");
    EXPECT_TRUE(app->GetStationInfo(*info));
    EXPECT_EQ(info->InfoText1(), "first line");
    EXPECT_EQ(info->InfoText3(), "%090%005");
    EXPECT_EQ(info->Latitude(), 3100.25f);
    EXPECT_EQ(info->Longitude(), -60.75f);
    info->SetCallsign("g4abc");  // call-signs are compared exactly
    EXPECT_FALSE(app->GetStationInfo(*info));

    auto map = app->GetMap();
    EXPECT_EQ(map->GetWidthPixels(), 640);
    EXPECT_EQ(map->GetHeightUnits(), -72.25f);
    control().LoadScenario(R"({"map": {"leftEdge": 12.75}})");
    EXPECT_EQ(map->GetLeftEdge(), 12.75f);  // the view as it is now
    map->SetLineWidth(3);
    map->DrawLine(1.1f, -2.2f, 3.3f, 4.4f, 0x0000FF, 0);
    map->SetMarkerColour(0xFFFF00);
    map->DrawCircle(5.5f, 6.6f, 0.7f, 0, 0.0, 6.283185958862305, 1.0f);
    const host::DistanceBearing got = app->CalcDistanceBearing(50.0664, -5.7147, 58.6439, -3.07, false);
    const host::DistanceBearing want = sim::GreatCircle(50.0664, -5.7147, 58.6439, -3.07);
    EXPECT_EQ(got.distanceKm, want.distanceKm);
    EXPECT_EQ(got.bearingDegrees, want.bearingDegrees);
    // Singles arrive as singles: their exact values widened to double.
    const json expected = {
        {{"call", "GetStationInfo"}, {"args", {"G4ABC"}}},
        {{"call", "GetStationInfo"}, {"args", {"g4abc"}}},
        {{"call", "SetLineWidth"}, {"args", {3}}},
        {{"call", "DrawLine"}, {"args", {double(1.1f), double(-2.2f), double(3.3f), double(4.4f), 255, 0}}},
        {{"call", "SetMarkerColour"}, {"args", {0xFFFF00}}},
        {{"call", "DrawCircle"},
         {"args", {double(5.5f), double(6.6f), double(0.7f), 0, 0.0, 6.283185958862305, 1.0}}},
        {{"call", "CalcDistanceBearing"}, {"args", {50.0664, -5.7147, 58.6439, -3.07, false}}},
    };
    EXPECT_EQ(Journal(), expected);
}

TEST_F(ComHostTest, ObjectRecordIsAddedListedAndDeleted) {
    auto app = host.NewApplication();
    auto record = host.NewObject();
    record->SetName("RDFFIX0");
    record->SetLatitude(51.5f);
    record->SetLongitude(-0.125f);
    record->SetComment("TRIVEX:G4ABC F1XYZ");
    record->SetSymbolCode("\\");
    record->SetSymbolTable("/");
    record->SetInt1(-32768);
    record->SetInt2(7);
    record->SetFlag(true);
    EXPECT_EQ(app->AddObject(*record), 0);
    EXPECT_EQ(app->GetObjectList(), (std::vector<std::string>{"", "*OTHER", "*RDFFIX0"}));
    EXPECT_EQ(app->DeleteObject("RDFFIX0", true), 0);

    // The flag and the integers are bound by position and type, whatever the server calls them.
    const json added = {
        {"Name", "RDFFIX0"},  {"Latitude", 51.5},   {"Longitude", -0.125}, {"Comment", "TRIVEX:G4ABC F1XYZ"},
        {"SymbolCode", "\\"}, {"SymbolTable", "/"}, {"Flag", true},        {"Int1", -32768},
        {"Int2", 7}};
    const json expected = {
        {{"call", "AddObject"}, {"args", {added}}},
        {{"call", "GetObjectList"}, {"args", json::array()}},
        {{"call", "DeleteObject"}, {"args", {"RDFFIX0", true}}},
    };
    EXPECT_EQ(Journal(), expected);
}

// Another host may declare 32-bit integers where the stand-in's standard library has 16-bit
// ones, and then take by-reference arguments only of those types. The client takes the types
// from the registered type library, or, with none registered, from the objects themselves.
TEST_F(ComHostTest, ArgumentsTakeTheTypesTheHostDeclares) {
    struct Restore {
        ~Restore() {
            control().RegisterTypeLibrary("standard");
            control().DeclareWideIntegers(false);
        }
    } restore;
    control().DeclareWideIntegers(true);
    for (const char* registered : {"wide", "none"}) {
        control().RegisterTypeLibrary(registered);
        ComHost wideHost;  // reads the type information anew
        auto app = wideHost.NewApplication();
        auto map = app->GetMap();
        EXPECT_EQ(map->GetHeightPixels(), 480) << registered;
        map->SetMarkerStyle(2);
        map->DrawLine(1.5f, 2.5f, 3.5f, 4.5f, 0x00FF00, 7);
        auto record = wideHost.NewObject();
        record->SetName("RDFFIX0");
        record->SetInt1(-32768);
        record->SetInt2(-1);
        EXPECT_EQ(app->AddObject(*record), 0) << registered;
        EXPECT_EQ(app->DeleteObject("RDFFIX0", true), 0) << registered;
        const json added = {{"Name", "RDFFIX0"}, {"Latitude", 0.0},  {"Longitude", 0.0},
                            {"Comment", ""},     {"SymbolCode", ""}, {"SymbolTable", ""},
                            {"Flag", false},     {"Int1", -32768},   {"Int2", -1}};
        const json expected = {
            {{"call", "SetMarkerStyle"}, {"args", {2}}},
            {{"call", "DrawLine"}, {"args", {1.5, 2.5, 3.5, 4.5, 0x00FF00, 7}}},
            {{"call", "AddObject"}, {"args", {added}}},
            {{"call", "DeleteObject"}, {"args", {"RDFFIX0", true}}},
        };
        EXPECT_EQ(Journal(), expected) << registered;
    }
}

TEST_F(ComHostTest, AFailedCallRaisesTheServersMessageAndTheNextCallWorks) {
    auto app = host.NewApplication();
    auto map = app->GetMap();
    auto info = host.NewStationInfo();
    EXPECT_EQ(control().LiveObjects(), liveAtStart_ + 3) << "application, map, station information";
    struct Case {
        const char* operation;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"GetStationInfo", [&] { app->GetStationInfo(*info); }},  // a method
        {"GetMap", [&] { app->GetMap(); }},                       // one that returns an object
        {"GetObjectList", [&] { app->GetObjectList(); }},         // one that returns an array
        {"GetWidthPixels", [&] { map->GetWidthPixels(); }},       // a method of the map
        {"Callsign", [&] { info->SetCallsign("G4ABC"); }},        // a property set
        {"InfoText3", [&] { info->InfoText3(); }},                // a property read
    };
    for (const Case& c : cases) {
        const std::string message = std::string("The host refused ") + c.operation;
        control().FailNext(c.operation, message);
        try {
            c.call();
            ADD_FAILURE() << c.operation << ": no error";
        } catch (const ComHostError& e) {
            EXPECT_EQ(std::string(e.what()), message) << c.operation;
            EXPECT_EQ(e.code(), MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x201)) << c.operation;
        }
        EXPECT_NO_THROW(c.call()) << c.operation;
    }
}

// A host that breaks the rules: an object list with bounds no host's list has, another station
// information object handed back, exception texts with a failure other than DISP_E_EXCEPTION.
TEST_F(ComHostTest, AnObjectListWithBoundsBeyondReasonIsAHostError) {
    auto app = host.NewApplication();
    const std::pair<const char*, const char*> cases[] = {
        {"upperBoundAtLimit", "elements 2147483646 to 2147483647"},  // upper + 1 overflows
        {"hugeLowerBound", "elements 2000000000 to 2000000000"},     // gigabytes of empty texts
    };
    for (const auto& [how, bounds] : cases) {
        control().Misbehave("GetObjectList", how);
        try {
            app->GetObjectList();
            ADD_FAILURE() << how << ": no error";
        } catch (const ComHostError& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("GetObjectList gave a list of ") + bounds),
                      std::string::npos)
                << e.what();
        }
        EXPECT_EQ(app->GetObjectList(), (std::vector<std::string>{"", "*OTHER"})) << how;
    }
}

TEST_F(ComHostTest, TheStationInformationObjectHandedBackIsTheOneRead) {
    auto app = host.NewApplication();
    auto info = host.NewStationInfo();
    info->SetCallsign("G4ABC");
    control().Misbehave("GetStationInfo", "handBackAnother");
    EXPECT_TRUE(app->GetStationInfo(*info));
    EXPECT_EQ(info->InfoText3(), "%090%005");  // the object passed was never filled
    EXPECT_EQ(info->Latitude(), 3100.25f);
    EXPECT_EQ(control().LiveObjects(), liveAtStart_ + 2) << "the application and the object handed back";
}

size_t WorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

TEST_F(ComHostTest, ExceptionTextsOfAPlainFailureAreFreed) {
    auto app = host.NewApplication();
    auto map = app->GetMap();
    auto fail = [&] {
        control().Misbehave("GetWidthPixels", "failWithTexts");  // 2 MB of text each time
        try {
            map->GetWidthPixels();
            ADD_FAILURE() << "no error";
        } catch (const ComHostError& e) {
            EXPECT_EQ(e.code(), E_FAIL);
        }
    };
    fail();  // what the calls share is set up by the first
    const size_t before = WorkingSet();
    constexpr int kCalls = 24;
    for (int n = 0; n < kCalls; ++n) fail();
    EXPECT_LT(WorkingSet(), before + (size_t{16} << 20)) << "48 MB of texts left unfreed would show";
    EXPECT_EQ(map->GetWidthPixels(), 640);
}

// Records the events it receives as text, noting those that come while a call is outgoing;
// it can be set to fail on a beacon.
class Recorder : public host::HostEvents {
  public:
    void DataAvailable() override { Note("DataAvailable()"); }
    void NotifyBeacon(const std::string& callsign, float latitude, float longitude) override {
        if (failOnBeacon) throw ComHostError(E_INVALIDARG, "beacon arguments");
        std::ostringstream text;
        text.precision(9);
        text << "NotifyBeacon(" << callsign << ", " << latitude << ", " << longitude << ")";
        Note(text.str());
    }
    void UIView32IsClosing() override { Note("UIView32IsClosing()"); }
    void MapHasChanged() override { Note("MapHasChanged()"); }
    void MapRedrawn() override { Note("MapRedrawn()"); }

    std::vector<std::string> Take() { return std::exchange(events_, {}); }
    bool inCall = false;
    bool failOnBeacon = false;

  private:
    void Note(const std::string& event) { events_.push_back(inCall ? event + " during call" : event); }
    std::vector<std::string> events_;
};

TEST_F(ComHostTest, EventsReachTheSinksOfTheirObjects) {
    auto app = host.NewApplication();
    auto map = app->GetMap();
    Recorder applicationEvents, mapEvents;
    app->Subscribe(&applicationEvents);
    map->Subscribe(&mapEvents);
    control().FireNotifyBeacon("G4ABC", 3000.5f, -60.125f);  // arguments arrive exactly, by reference
    for (const char* event : {"DataAvailable", "UIView32IsClosing", "MapHasChanged", "MapRedrawn"})
        control().FireEvent(event);
    EXPECT_EQ(applicationEvents.Take(),
              (Events{"NotifyBeacon(G4ABC, 3000.5, -60.125)", "DataAvailable()", "UIView32IsClosing()"}));
    EXPECT_EQ(mapEvents.Take(), (Events{"MapHasChanged()", "MapRedrawn()"}));
}

TEST_F(ComHostTest, ADroppedSubscriptionReceivesNothing) {
    auto first = host.NewApplication();
    auto second = host.NewApplication();
    Recorder a, b;
    first->Subscribe(&a);
    second->Subscribe(&b);
    EXPECT_EQ(EventSink::Alive(), sinksAtStart_ + 2);
    first->Subscribe(nullptr);
    control().FireEvent("DataAvailable");
    EXPECT_EQ(a.Take(), Events{});
    EXPECT_EQ(b.Take(), Events{"DataAvailable()"});
}

TEST_F(ComHostTest, AnEventFiredInsideACallArrivesDuringThatCall) {
    auto app = host.NewApplication();
    Recorder events;
    app->Subscribe(&events);
    control().FireDuring("AddObject", "DataAvailable");
    auto record = host.NewObject();
    events.inCall = true;
    EXPECT_EQ(app->AddObject(*record), 0);
    events.inCall = false;
    EXPECT_EQ(events.Take(), Events{"DataAvailable() during call"});
}

// A host error in a receiver goes back to the server as its code.
TEST_F(ComHostTest, AFailingReceiverDoesNotDisturbTheServer) {
    auto app = host.NewApplication();
    Recorder receiver;
    receiver.failOnBeacon = true;
    app->Subscribe(&receiver);
    EXPECT_NO_THROW(control().FireNotifyBeacon("G4ABC", 1.0f, 2.0f));  // the failure stays on this side
    control().FireEvent("DataAvailable");
    EXPECT_EQ(receiver.Take(), Events{"DataAvailable()"});
}

}  // namespace
}  // namespace trivex::com
