// The COM client of the host against the registered stand-in server, through the host
// interfaces only; the stand-in's control object sets the data and reads the journal.
#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "host/com/com_error_win32.h"
#include "host/com/com_host_win32.h"
#include "host/com/event_sink_win32.h"
#include "host/sim/sim_host.h"
#include "standin_control_win32.h"

namespace trivex::com {
namespace {

using nlohmann::json;
using standin::StandInControlClient;

// The apartment and one control object for the whole run: it keeps the server running.
class StandInEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        apartment_ = std::make_unique<ComApartment>();
        control_ = std::make_unique<StandInControlClient>();
    }
    void TearDown() override {
        control_.reset();
        apartment_.reset();
    }
    static StandInControlClient& Control() { return *control_; }

  private:
    std::unique_ptr<ComApartment> apartment_;
    static inline std::unique_ptr<StandInControlClient> control_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new StandInEnvironment);

const char* const kScenario = R"({
  "map": {"widthPixels": 640, "heightPixels": 480, "widthUnits": 96.5, "heightUnits": -72.25, "leftEdge": -30.5},
  "stations": [
    {"callsign": "G4ABC", "latitude": 3100.25, "longitude": -60.75,
     "infoText1": "first line", "infoText2": "second line", "infoText3": "%090%005"},
    {"callsign": "F1XYZ", "latitude": 2900.5, "longitude": 120.125}
  ],
  "objects": ["*OTHER"]
})";

// Every test starts from the scenario with an empty journal, and must leave no more objects
// alive in the server than it found, and no event sink alive here.
class ComHostTest : public ::testing::Test {
  protected:
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
    static StandInControlClient& control() { return StandInEnvironment::Control(); }
    static json Journal() { return json::parse(control().TakeJournal()); }

    ComHost host;
    long liveAtStart_ = 0;
    long sinksAtStart_ = 0;
};

TEST_F(ComHostTest, StationInformationLookup) {
    auto app = host.NewApplication();
    struct Case {
        const char* callsign;
        bool found;
        const char* info1;
        const char* info3;
        float latitude, longitude;
    };
    const Case cases[] = {
        // A known station: its texts and position in minutes.
        {"G4ABC", true, "first line", "%090%005", 3100.25f, -60.75f},
        // A station without texts.
        {"F1XYZ", true, "", "", 2900.5f, 120.125f},
        // Call-signs are compared exactly.
        {"g4abc", false, "", "", 0.0f, 0.0f},
    };
    json expected = json::array();
    for (const Case& c : cases) {
        auto info = host.NewStationInfo();
        info->SetCallsign(c.callsign);
        EXPECT_EQ(app->GetStationInfo(*info), c.found) << c.callsign;
        EXPECT_EQ(info->InfoText1(), c.info1) << c.callsign;
        EXPECT_EQ(info->InfoText3(), c.info3) << c.callsign;
        EXPECT_EQ(info->Latitude(), c.latitude) << c.callsign;
        EXPECT_EQ(info->Longitude(), c.longitude) << c.callsign;
        expected.push_back({{"call", "GetStationInfo"}, {"args", {c.callsign}}});
    }
    EXPECT_EQ(Journal(), expected);
}

TEST_F(ComHostTest, MapGettersFollowTheViewAndDrawingCallsArriveTyped) {
    auto app = host.NewApplication();
    auto map = app->GetMap();
    EXPECT_EQ(map->GetWidthPixels(), 640);
    EXPECT_EQ(map->GetHeightPixels(), 480);
    EXPECT_EQ(map->GetWidthUnits(), 96.5f);
    EXPECT_EQ(map->GetHeightUnits(), -72.25f);
    EXPECT_EQ(map->GetLeftEdge(), -30.5f);
    control().LoadScenario(R"({"map": {"widthPixels": 1024, "leftEdge": 12.75}})");
    EXPECT_EQ(map->GetWidthPixels(), 1024);
    EXPECT_EQ(map->GetLeftEdge(), 12.75f);

    map->SetLineWidth(3);
    map->DrawLine(1.1f, -2.2f, 3.3f, 4.4f, 0x0000FF, 0);
    map->SetMarkerStyle(2);
    map->SetMarkerColour(0xFFFF00);
    map->DrawCircle(5.5f, 6.6f, 0.7f, 0, 0.0, 6.283185958862305, 1.0f);
    // Singles arrive as singles: their exact values widened to double.
    const json expected = {
        {{"call", "SetLineWidth"}, {"args", {3}}},
        {{"call", "DrawLine"}, {"args", {double(1.1f), double(-2.2f), double(3.3f), double(4.4f), 255, 0}}},
        {{"call", "SetMarkerStyle"}, {"args", {2}}},
        {{"call", "SetMarkerColour"}, {"args", {0xFFFF00}}},
        {{"call", "DrawCircle"},
         {"args", {double(5.5f), double(6.6f), double(0.7f), 0, 0.0, 6.283185958862305, 1.0}}},
    };
    EXPECT_EQ(Journal(), expected);
}

TEST_F(ComHostTest, ObjectRecordIsAddedListedAndDeleted) {
    auto app = host.NewApplication();
    EXPECT_EQ(app->GetObjectList(), (std::vector<std::string>{"", "*OTHER"}));

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
    EXPECT_EQ(app->GetObjectList(), (std::vector<std::string>{"", "*OTHER"}));

    // The flag and the integers are bound by position and type, whatever the server calls them.
    const json added = {
        {"Name", "RDFFIX0"},  {"Latitude", 51.5},   {"Longitude", -0.125}, {"Comment", "TRIVEX:G4ABC F1XYZ"},
        {"SymbolCode", "\\"}, {"SymbolTable", "/"}, {"Flag", true},        {"Int1", -32768},
        {"Int2", 7}};
    const json expected = {
        {{"call", "GetObjectList"}, {"args", json::array()}},
        {{"call", "AddObject"}, {"args", {added}}},
        {{"call", "GetObjectList"}, {"args", json::array()}},
        {{"call", "DeleteObject"}, {"args", {"RDFFIX0", true}}},
        {{"call", "GetObjectList"}, {"args", json::array()}},
    };
    EXPECT_EQ(Journal(), expected);
}

TEST_F(ComHostTest, CalcDistanceBearingGivesTheHostsFigures) {
    auto app = host.NewApplication();
    struct Case {
        double lat1, lon1, lat2, lon2;
        bool flag;
    };
    const Case cases[] = {
        {50.0664, -5.7147, 58.6439, -3.07, true},  // a long way north
        {10, 20, 10, 19, false},                   // due west, with the flag false
    };
    for (const Case& c : cases) {
        const auto got = app->CalcDistanceBearing(c.lat1, c.lon1, c.lat2, c.lon2, c.flag);
        const auto want = sim::GreatCircle(c.lat1, c.lon1, c.lat2, c.lon2);
        EXPECT_EQ(got.distanceKm, want.distanceKm) << c.lat1 << "," << c.lon1;
        EXPECT_EQ(got.bearingDegrees, want.bearingDegrees) << c.lat1 << "," << c.lon1;
        const json entry = {{"call", "CalcDistanceBearing"},
                            {"args", {c.lat1, c.lon1, c.lat2, c.lon2, c.flag}}};
        EXPECT_EQ(Journal(), json::array({entry}));
    }
}

TEST_F(ComHostTest, AFailedCallRaisesTheServersMessageAndTheNextCallWorks) {
    auto app = host.NewApplication();
    auto map = app->GetMap();
    auto info = host.NewStationInfo();
    auto record = host.NewObject();
    EXPECT_EQ(control().LiveObjects(), liveAtStart_ + 4) << "application, map, station information, record";
    struct Case {
        const char* operation;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"GetStationInfo", [&] { app->GetStationInfo(*info); }},
        {"GetMap", [&] { app->GetMap(); }},
        {"GetObjectList", [&] { app->GetObjectList(); }},
        {"AddObject", [&] { app->AddObject(*record); }},
        {"DrawLine", [&] { map->DrawLine(0, 0, 1, 1, 0, 0); }},
        {"GetWidthPixels", [&] { map->GetWidthPixels(); }},
        {"Callsign", [&] { info->SetCallsign("G4ABC"); }},  // a property set
        {"InfoText3", [&] { info->InfoText3(); }},          // a property read
        {"Name", [&] { record->SetName("RDFFIX1"); }},
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

// Records the events it receives as text, noting those that come while a call is outgoing.
class Recorder : public host::HostEvents {
  public:
    void DataAvailable() override { Note("DataAvailable()"); }
    void NotifyBeacon(const std::string& callsign, float latitude, float longitude) override {
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

  private:
    void Note(const std::string& event) { events_.push_back(inCall ? event + " during call" : event); }
    std::vector<std::string> events_;
};

using Events = std::vector<std::string>;

TEST_F(ComHostTest, EventsReachTheSinksOfTheirObjects) {
    auto app = host.NewApplication();
    auto map = app->GetMap();
    Recorder applicationEvents, mapEvents;
    app->Subscribe(&applicationEvents);
    map->Subscribe(&mapEvents);
    struct Case {
        std::function<void()> fire;
        Events application, map;
    };
    const Case cases[] = {
        // Arguments arrive exactly, by reference from the server.
        {[] { control().FireNotifyBeacon("G4ABC", 3000.5f, -60.125f); },
         {"NotifyBeacon(G4ABC, 3000.5, -60.125)"},
         {}},
        {[] { control().FireEvent("DataAvailable"); }, {"DataAvailable()"}, {}},
        {[] { control().FireEvent("UIView32IsClosing"); }, {"UIView32IsClosing()"}, {}},
        {[] { control().FireEvent("MapHasChanged"); }, {}, {"MapHasChanged()"}},
        {[] { control().FireEvent("MapRedrawn"); }, {}, {"MapRedrawn()"}},
    };
    for (const Case& c : cases) {
        c.fire();
        EXPECT_EQ(applicationEvents.Take(), c.application);
        EXPECT_EQ(mapEvents.Take(), c.map);
    }
}

TEST_F(ComHostTest, SubscriptionsCanBeDroppedRenewedAndShared) {
    auto first = host.NewApplication();
    auto second = host.NewApplication();
    Recorder a, b;
    first->Subscribe(&a);
    second->Subscribe(&b);
    EXPECT_EQ(EventSink::Alive(), sinksAtStart_ + 2);
    control().FireEvent("DataAvailable");
    EXPECT_EQ(a.Take(), Events{"DataAvailable()"});
    EXPECT_EQ(b.Take(), Events{"DataAvailable()"});

    first->Subscribe(nullptr);
    control().FireEvent("DataAvailable");
    EXPECT_EQ(a.Take(), Events{});
    EXPECT_EQ(b.Take(), Events{"DataAvailable()"});

    // A new receiver replaces the old one on the same connection.
    first->Subscribe(&a);
    second->Subscribe(&a);
    control().FireEvent("UIView32IsClosing");
    EXPECT_EQ(a.Take(), (Events{"UIView32IsClosing()", "UIView32IsClosing()"}));
    EXPECT_EQ(b.Take(), Events{});
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

// A receiver that fails: the failure must stay on this side.
class ThrowingReceiver : public Recorder {
  public:
    void NotifyBeacon(const std::string&, float, float) override {
        throw std::runtime_error("receiver failed");
    }
};

TEST_F(ComHostTest, AFailingReceiverDoesNotDisturbTheServer) {
    auto app = host.NewApplication();
    ThrowingReceiver receiver;
    app->Subscribe(&receiver);
    EXPECT_NO_THROW(control().FireNotifyBeacon("G4ABC", 1.0f, 2.0f));
    control().FireEvent("DataAvailable");
    EXPECT_EQ(receiver.Take(), Events{"DataAvailable()"});
}

// The registration names the program folder, whose uiview32.exe carries the host version
// that Trivex checks; the build puts one with a version Trivex refuses in the folder v3.
TEST_F(ComHostTest, RegisteredProgramFolderHoldsTheVersionedExecutables) {
    char folder[MAX_PATH] = {};
    DWORD size = sizeof folder;
    ASSERT_EQ(
        RegGetValueA(HKEY_CURRENT_USER, "Software\\VB and VBA Program Settings\\Peak Systems\\UI-View32",
                     "Program Folder", RRF_RT_REG_SZ, nullptr, folder, &size),
        ERROR_SUCCESS);
    struct Case {
        const char* file;
        DWORD mostSignificant, leastSignificant;
    };
    const Case cases[] = {
        {"\\uiview32.exe", 0x00020000, 0x00000003},      // 2.0.0.3
        {"\\v3\\uiview32.exe", 0x00030000, 0x00000000},  // 3.0.0.0
    };
    for (const Case& c : cases) {
        const std::string path = folder + std::string(c.file);
        std::vector<char> block(GetFileVersionInfoSizeA(path.c_str(), nullptr));
        ASSERT_FALSE(block.empty()) << path;
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
            << path;
        VS_FIXEDFILEINFO* info = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length)) << path;
        EXPECT_EQ(info->dwFileVersionMS, c.mostSignificant) << path;
        EXPECT_EQ(info->dwFileVersionLS, c.leastSignificant) << path;
    }
}

}  // namespace
}  // namespace trivex::com
