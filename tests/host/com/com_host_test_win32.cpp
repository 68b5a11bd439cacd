// The COM client of the host against the registered stand-in server, through the host
// interfaces only; the stand-in's control object sets the data and reads the journal.
#include <gmock/gmock.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <tuple>

#include "com/com_error_win32.h"
#include "com/com_text_win32.h"
#include "host/com/busy_host_filter_win32.h"
#include "host/com/com_host_error_win32.h"
#include "host/com/com_host_win32.h"
#include "host/com/event_sink_win32.h"
#include "standin_control_win32.h"

namespace trivex::com {
namespace {

using nlohmann::json;
using ::testing::HasSubstr;
using ::testing::StrEq;
using ::testing::ThrowsMessage;
using Events = std::vector<std::string>;

const char* const kScenario = R"({
  "map": {"widthPixels": 640, "heightPixels": 480, "widthUnits": 96.5, "heightUnits": -72.25, "leftEdge": -30.5},
  "stations": [{"callsign": "G4ABC", "latitude": 3100.25, "longitude": -60.75, "infoText1": "first line",
                "infoText3": "%090%005"}],
  "objects": ["*OTHER"]
})";

// Every test starts from the scenario with an empty journal and the stand-in's standard type
// library and integers, and must leave no more objects alive in the server than it found, and
// no event sink alive here. The apartment and one control object last for the whole suite:
// they keep the server running.
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
        control().Call(L"RegisterTypeLibrary", "standard");
        control().DeclareWideIntegers(false);
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

// The host's answers come back: station information in the object the host hands back, which
// need not be the one passed; the map's view as it is now; the object list. (The end-to-end plot
// shows the stations' places and bearings, and what a plot sends, argument by argument.)
TEST_F(ComHostTest, AnswersComeBack) {
    auto app = host.NewApplication();
    auto info = host.NewStationInfo();
    info->SetCallsign("G4ABC");
    control().Call(L"Misbehave", "GetStationInfo", "handBackAnother");
    EXPECT_TRUE(app->GetStationInfo(*info));
    EXPECT_EQ(info->InfoText1(), "first line");  // the object passed was never filled

    auto map = app->GetMap();
    control().LoadScenario(R"({"map": {"leftEdge": 12.75}})");
    EXPECT_EQ(map->GetLeftEdge(), 12.75f);
    auto record = host.NewObject();
    record->SetName("RDFFIX0");
    EXPECT_EQ(app->AddObject(*record), 0);
    EXPECT_EQ(app->GetObjectList(), (std::vector<std::string>{"", "*OTHER", "*RDFFIX0"}));
    EXPECT_EQ(app->DeleteObject("RDFFIX0", true), 0);
    EXPECT_EQ(app->GetObjectList(), (std::vector<std::string>{"", "*OTHER"}));
}

// Another host may declare 32-bit integers where the stand-in's standard library has 16-bit
// ones, and then take by-reference arguments only of those types. The client takes the types
// from the registered type library, or, with none registered, from the objects themselves.
// The record's integers are bound by position and type, whatever the server calls them: the
// first two 16-bit ones, after the standard record's 32-bit one.
TEST_F(ComHostTest, ArgumentsTakeTheTypesTheHostDeclares) {
    for (const char* registered : {"standard", "wide", "none"}) {
        control().DeclareWideIntegers(registered != std::string("standard"));
        control().Call(L"RegisterTypeLibrary", registered);
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

size_t WorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

// A failure planted in the server, a call it strikes, and the host error that call must throw.
struct FailureCase {
    const wchar_t* failure;
    const char* operation;
    std::string how;
    std::function<void()> call;
    HRESULT code;
    std::string text;
};

// Plants the failure before each of many calls: each is the host error, none leaves its memory
// behind, and the next call works.
void ExpectHostErrorsThatLeaveNothingBehind(standin::StandInControlClient& control, const FailureCase& c) {
    SCOPED_TRACE(std::string(c.operation) + ": " + c.how.substr(0, 40));
    constexpr int kCalls = 24;
    size_t before = 0;
    for (int n = 0; n <= kCalls; ++n) {
        if (n == 1) before = WorkingSet();  // what the calls share is set up by the first
        control.Call(c.failure, c.operation, c.how);
        try {
            c.call();
            ADD_FAILURE() << "no error";
        } catch (const ComHostError& e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_THAT(e.what(), HasSubstr(c.text));
            EXPECT_LT(std::string(e.what()).size(), 1100u);
        }
    }
    EXPECT_LT(WorkingSet(), before + (size_t{16} << 20)) << "48 MB of texts unfreed would show";
    EXPECT_NO_THROW(c.call());
}

// A call the server fails (FailNext: with the message), or answers against the rules
// (Misbehave), is a host error with the server's code and text, which names the call, and the
// next call works. Repeated, a failure leaves no memory behind. Methods and
// properties fail through one path. The calls' answers are dropped: only their errors count.
TEST_F(ComHostTest, FailuresAreHostErrorsThatLeaveNothingBehind) {
    auto app = host.NewApplication();
    auto map = app->GetMap();
    auto info = host.NewStationInfo();
    const std::function<void()> objectList = [&] { static_cast<void>(app->GetObjectList()); };
    const std::function<void()> stationInfo = [&] { static_cast<void>(app->GetStationInfo(*info)); };
    const std::function<void()> widthPixels = [&] { static_cast<void>(map->GetWidthPixels()); };
    const std::function<void()> getMap = [&] { static_cast<void>(app->GetMap()); };
    const std::string refused = "The host refused it", essay(3000, 'x');
    const HRESULT hostCode = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x201);
    const FailureCase cases[] = {
        // a method
        {L"FailNext", "GetStationInfo", refused, stationInfo, hostCode, refused + ": GetStationInfo"},
        // a text of 3000 characters, cut for the warning
        {L"FailNext", "GetStationInfo", essay, stationInfo, hostCode,
         essay.substr(2000) + "...: GetStationInfo"},
        // an object list whose upper bound + 1 overflows
        {L"Misbehave", "GetObjectList", "upperBoundAtLimit", objectList, DISP_E_BADINDEX,
         "of elements 2147483646 to 2147483647"},
        // one whose lower bound asks for gigabytes of empty texts
        {L"Misbehave", "GetObjectList", "hugeLowerBound", objectList, DISP_E_BADINDEX,
         "of elements 2000000000 to 2000000000"},
        // exception texts (2 MB) with a failure other than DISP_E_EXCEPTION
        {L"Misbehave", "GetWidthPixels", "failWithTexts", widthPixels, E_FAIL, "GetWidthPixels"},
        // an object record handed back for a map or a station information object
        {L"Misbehave", "GetMap", "handBackStranger", getMap, E_NOINTERFACE, "GetMap"},
        {L"Misbehave", "GetStationInfo", "handBackStranger", stationInfo, E_NOINTERFACE, "GetStationInfo"},
    };
    for (const FailureCase& c : cases) ExpectHostErrorsThatLeaveNothingBehind(control(), c);
}

// The client's message filter: a call the host turns away as busy is made again a tenth of a
// second later, for ten seconds, and then fails with a text that says so; a refused one is
// given up; the window paints while a call waits; the host's events are taken. (Wine runs a
// call its server turns away as busy, so none of this is seen end to end here.)
TEST(BusyHostFilterTest, AnswersAsTheBusyHostRulesSay) {
    BusyHostFilter filter;
    const std::tuple<DWORD, DWORD, const char*> cases[] = {
        {filter.RetryRejectedCall(nullptr, 0, SERVERCALL_RETRYLATER), 100, "busy"},
        {filter.RetryRejectedCall(nullptr, 0, SERVERCALL_REJECTED), DWORD(-1), "refused"},
        {filter.MessagePending(nullptr, 0, PENDINGTYPE_TOPLEVEL), PENDINGMSG_WAITDEFPROCESS, "pending"},
        {filter.HandleInComingCall(CALLTYPE_TOPLEVEL, nullptr, 0, nullptr), SERVERCALL_ISHANDLED, "event"},
    };
    for (const auto& [actual, expected, what] : cases) EXPECT_EQ(actual, expected) << what;
    EXPECT_THAT([] { Check(RPC_E_CALL_REJECTED, "GetWidthPixels"); },
                ThrowsMessage<ComError>(
                    StrEq("The host stayed busy and did not take the call (0x80010001): GetWidthPixels")));
}

// Text from the host takes the ANSI code page's own characters only: full-width ones that look
// like a DF reading stay what they are not.
TEST(HostTextTest, FullWidthCharactersAreNoLookAlikes) {
    const Bstr text(SysAllocString(L"\xFF05\xFF12\xFF17\xFF10\xFF05\xFF10\xFF11\xFF15"));
    EXPECT_EQ(FromBstr(text.get()), "????????");
}

// Events reach the sinks of their own objects, with the host's type library registered or
// without it, and not a dropped subscription; a receiver's failure stays on this side. (One
// fired inside a call the end-to-end plot shows.)
TEST_F(ComHostTest, EventsReachTheSinksOfTheirObjects) {
    for (const char* registered : {"standard", "none"}) {
        SCOPED_TRACE(registered);
        control().Call(L"RegisterTypeLibrary", registered);
        auto app = host.NewApplication();
        auto map = app->GetMap();
        auto dropped = host.NewApplication();
        standin::EventRecorder applicationEvents, mapEvents, droppedEvents;
        app->Subscribe(&applicationEvents);
        map->Subscribe(&mapEvents);
        dropped->Subscribe(&droppedEvents);
        EXPECT_EQ(EventSink::Alive(), sinksAtStart_ + 3);
        dropped->Subscribe(nullptr);
        control().FireNotifyBeacon("G4ABC", 3000.5f, -60.125f);  // arguments arrive exactly, by reference
        for (const char* event : {"DataAvailable", "UIView32IsClosing", "MapHasChanged", "MapRedrawn"})
            control().Call(L"FireEvent", event);
        applicationEvents.onEvent = [](const std::string& event) {
            if (event.starts_with("NotifyBeacon")) throw ComHostError(E_INVALIDARG, "beacon arguments");
        };
        EXPECT_NO_THROW(control().FireNotifyBeacon("G4ABC", 1.0f, 2.0f));
        control().Call(L"FireEvent", "DataAvailable");
        EXPECT_EQ(applicationEvents.Take(), (Events{"NotifyBeacon(G4ABC, 3000.5, -60.125)", "DataAvailable()",
                                                    "UIView32IsClosing()", "DataAvailable()"}));
        EXPECT_EQ(mapEvents.Take(), (Events{"MapHasChanged()", "MapRedrawn()"}));
        EXPECT_EQ(droppedEvents.Take(), Events{});
    }
}

}  // namespace
}  // namespace trivex::com
