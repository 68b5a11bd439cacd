// Trivex.exe against a stand-in host that fails: host operations of each kind failing in a
// plot that moves the fix, and the host's server ending in the middle of a plot. After each the
// operator is warned, the settings file is untouched, and the next plot is right.
#include <gmock/gmock.h>

#include <functional>
#include <optional>
#include <utility>

#include "e2e_fixture_win32.h"
#include "host/com/com_host_win32.h"

namespace trivex::test {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ui::Command;
using ui::ControlId;

// Three of the five stations: three intersections, and plots that take less time.
const char* const kThreeStationsSettings =
    "[SETUP]\r\nIgnoreDistance=4\r\nCallSign1=G4KDR\r\nCallSign2=M0BXT\r\nCallSign3=G8HOP\r\nCallSign4=\r\n"
    "CallSign5=\r\n";

// The stations, the first one moved north by half a minute or not: the solution moves between
// two places, and with it the fix object.
std::string StationsAt(bool moved) {
    json stations = json::parse(kFiveStations)["stations"];
    if (moved) stations[0]["latitude"] = stations[0]["latitude"].get<double>() + 0.5;
    return json{{"stations", stations}}.dump();
}

// What the window shows of a plot.
std::string Shown(const TrivexProgram& trivex) {
    std::string texts;
    for (int row = 0; row < 5; ++row)
        texts += trivex.Text(ui::BearingBox(row)) + " | " + trivex.Text(ui::IntersectBox(row)) + "\n";
    for (const ControlId id : {ControlId::Label3, ControlId::Solution, ControlId::ObjectLabel})
        texts += trivex.Text(id) + "\n";
    return texts;
}

// Plots and waits for the plot's last step, which shows the solution.
bool PlotToTheEnd(const TrivexProgram& trivex) {
    trivex.SetText(ControlId::Solution, "");
    trivex.Post(Command::Plot);
    return WaitUntil([&] { return !trivex.Text(ControlId::Solution).empty(); });
}

// A client of the stand-in's application events in the test program: DataAvailable, which
// Trivex.exe ignores, runs an action of the test inside the host call that fired it.
class DataAvailableHook : public host::HostEvents {
  public:
    explicit DataAvailableHook(std::function<void()> action)
        : action_(std::move(action)), application_(host_.NewApplication()) {
        application_->Subscribe(this);
    }
    ~DataAvailableHook() override { application_->Subscribe(nullptr); }
    void DataAvailable() override { action_(); }
    void NotifyBeacon(const std::string&, float, float) override {}
    void UIView32IsClosing() override {}
    void MapHasChanged() override {}
    void MapRedrawn() override {}

  private:
    std::function<void()> action_;
    com::ComHost host_;
    std::unique_ptr<host::UivApplication> application_;
};

// One operation of each kind the client calls differently, in the order of a plot that moves
// the fix: a method with an out argument, a property, a drawing call, the distance, the object
// list's array and the record's placement. The logic tests fail every operation in turn.
const char* const kOperations[] = {"GetStationInfo",      "InfoText3",     "DrawLine",
                                   "CalcDistanceBearing", "GetObjectList", "AddObject"};

// The object record's position shares its operations' names with the station's: their failure
// is set when the fix placement asks for the object list.
const char* const kRecordOperations[] = {"Latitude"};

// Trivex.exe started on three stations, with clean plots of both places of the first one.
class HostFailureTest : public EndToEndTest {
  protected:
    void SetUp() override {
        UseHost();
        StartTrivex(kThreeStationsSettings, 3, 9);
        settings_ = ReadWholeFile(trivex_.File("Trivex.INI"));
        hook_.emplace([this] {
            if (failAtFix_.empty()) return;
            const std::string operation = std::exchange(failAtFix_, "");
            Control().FailNext(operation, "the stand-in failed " + operation);
        });
        Control().FireDuring("GetObjectList", "DataAvailable");
        // The first plot places the fix for the first time; the next two move it.
        for (const bool moved : {false, true, false}) {
            Control().LoadScenario(StationsAt(moved));
            Journal();
            ASSERT_TRUE(PlotToTheEnd(trivex_));
            shown_[moved] = Shown(trivex_);
            journal_[moved] = Journal();
        }
        ASSERT_THAT(shown_[false], HasSubstr("\n3 intersections\n"));
        ASSERT_NE(shown_[false], shown_[true]);
    }

    void TearDown() override {
        hook_.reset();
        EndToEndTest::TearDown();
    }

    // The operation fails in a plot that moves the fix. A beacon that arrives while the warning
    // is open plots once it is closed: that plot must be a clean plot's, call by call.
    void CheckFailure(const std::string& operation, bool atFix) {
        const std::string what = operation + (atFix ? " of the fix" : "");
        const std::string message = "the stand-in failed " + operation;
        moved_ = !moved_;
        Control().LoadScenario(StationsAt(moved_));
        if (atFix)
            failAtFix_ = operation;
        else
            Control().FailNext(operation, message);
        trivex_.SetText(ControlId::Solution, "");
        trivex_.Post(Command::Plot);
        const HWND box = trivex_.WaitForBox();
        ASSERT_NE(box, nullptr) << what;
        EXPECT_THAT(MessageBoxText(box), EndsWith("\r\n\r\nThe host reported an error: " + message)) << what;
        Journal();
        Control().FireNotifyBeacon("G4KDR", 3206.6f, -116.94f);
        EXPECT_EQ(Journal(), json::array()) << what << ": nothing runs while the warning is open";

        PressOk(box);
        EXPECT_TRUE(WaitUntil([&] { return !trivex_.Text(ControlId::Solution).empty(); })) << what;
        EXPECT_EQ(Journal(), journal_[moved_]) << what;
        EXPECT_EQ(Shown(trivex_), shown_[moved_]) << what;
        EXPECT_TRUE(trivex_.Running()) << what;
        EXPECT_EQ(ReadWholeFile(trivex_.File("Trivex.INI")), settings_) << what;
        EXPECT_EQ(AddedLiveObjects(), 3) << what << ": the application and map objects, and the hook's";
    }

  private:
    std::string failAtFix_;
    std::optional<DataAvailableHook> hook_;
    std::optional<std::string> settings_;
    std::string shown_[2];
    json journal_[2];
    bool moved_ = false;
};

TEST_F(HostFailureTest, AFailingHostOperationWarnsKeepsTheSettingsAndTheNextPlotIsRight) {
    for (const char* operation : kOperations) CheckFailure(operation, false);
    for (const char* operation : kRecordOperations) CheckFailure(operation, true);
}

// The server is ended inside the first station's first line, as a crash would end it. Once the
// host has been started again, the next plot connects to it.
TEST_F(EndToEndTest, HostEndingInsideAPlotIsAWarningAndTheNextPlotReachesTheNewHost) {
    UseHost();
    StartTrivex(kFiveStationsSettings, 5, 15);
    const auto settings = ReadWholeFile(trivex_.File("Trivex.INI"));
    HWND box = nullptr;
    {
        const DataAvailableHook hook(KillHost);
        Control().FireDuring("DrawLine", "DataAvailable");
        trivex_.Post(Command::Plot);
        box = trivex_.WaitForBox();
    }
    ASSERT_NE(box, nullptr);
    EXPECT_THAT(MessageBoxText(box), HasSubstr("\r\n\r\nThe host reported an error: "));
    PressOk(box);
    EXPECT_TRUE(trivex_.Running());

    StartHost();
    ASSERT_TRUE(PlotToTheEnd(trivex_));
    EXPECT_EQ(trivex_.Text(ControlId::Solution), "53.23.03N, 001.52.41W");
    EXPECT_EQ(Calls(Journal(), "GetStationInfo").size(), 5u);
    EXPECT_EQ(trivex_.Text(ControlId::ObjectLabel), "Object RDFFIX0 at new location.");
    EXPECT_EQ(ReadWholeFile(trivex_.File("Trivex.INI")), settings);
    EXPECT_EQ(AddedLiveObjects(), 2) << "only the application and map objects stay";
}

}  // namespace
}  // namespace trivex::test
