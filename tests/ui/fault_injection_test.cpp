// Host failures at every call the program makes, and saves of the settings cut short at
// every step: the program warns, keeps the settings file as it was and plots right next time.
#include <string>
#include <vector>

#include "tests/ui/main_window_fixture.h"

namespace trivex::ui {
namespace {

// Complete and in the platform's own form, so that start-up has nothing to write.
constexpr const char* kSettings =
    "[SETUP]\r\nLEFT=600\r\nTOP=450\r\nMINIMIZED=FALSE\r\nPlotLineThickness=2\r\nIgnoreDistance=5\r\n"
    "ReplotAfterMapIsRedrawn=FALSE\r\nCallSign1=PA1A\r\nCallSign2=PA1B\r\nCallSign3=PA1C\r\n"
    "CallSign4=PA1D\r\nCallSign5=PA1E\r\n";
constexpr const char* kTempPath = "C:\\Trivex\\Trivex.INI.tmp";

// The program just started, with its window, files and host; a restart after a crash is
// given the files the crashed run left.
struct World {
    explicit World(const MemoryPlatform& files = {}) : platform(files) {
        platform.stepsBeforeCrash.reset();
        platform.crashed = false;
        host.stations = {
            {"PA1A", 30, 50, "a1", "a2", "%090%005"}, {"PA1B", 20, 60, "b1", "b2", "%000%005"},
            {"PA1C", 40, 60, "c1", "c2", "%180%005"}, {"PA1D", 30, 72, "d1", "d2", "%270%005"},
            {"PA1E", 45, 45, "e1", "e2", "%135%010"},
        };
    }
    // What the window shows of a plot; the object label and the log depend on the history.
    std::string Shown() {
        std::string texts;
        for (int id = static_cast<int>(ControlId::Label1); id < static_cast<int>(ControlId::ObjectLabel);
             ++id)
            texts += view.Text(static_cast<ControlId>(id)) + "\n";
        return texts;
    }
    std::vector<sim::ObjectRecord> AddedObjects() const {
        std::vector<sim::ObjectRecord> added;
        for (const auto& entry : host.Journal())
            if (entry.call == "AddObject") added.push_back(std::get<sim::ObjectRecord>(entry.args[0]));
        return added;
    }

    sim::SimHost host;
    MemoryView view;
    MemoryPlatform platform;
    MainWindow window{view, platform, host};
};

// Where the injected failure strikes.
enum Phase : unsigned {
    kStartUp = 1,  // start-up, with a settings file
    kPlot = 2,     // the first plot
    kBeacon = 4,   // a beacon's plot after a station moved
    kLater = 8,    // a plot after a station moved, from the first distance check on
};
constexpr unsigned kReports = kStartUp | kPlot | kBeacon;
constexpr unsigned kPlots = kPlot | kBeacon | kLater;

struct Operation {
    const char* call;
    unsigned phases;  // where the program calls it
};

const Operation kOperations[] = {
    {"GetMap", kStartUp},  // a plot connects only when start-up could not
    {"Callsign", kReports},
    {"GetStationInfo", kReports},
    {"InfoText1", kReports},
    {"InfoText2", kReports},
    {"InfoText3", kReports},
    {"Latitude", kReports | kLater},  // the station's, and later the fix object's
    {"Longitude", kReports | kLater},
    {"GetWidthPixels", kReports | kLater},  // the scale of bearing lines, checks and markers
    {"GetHeightPixels", kReports | kLater},
    {"GetWidthUnits", kReports | kLater},
    {"GetHeightUnits", kReports | kLater},
    {"GetLeftEdge", kReports},  // bearing lines only
    {"SetLineWidth", kReports | kLater},
    {"DrawLine", kReports},
    {"CalcDistanceBearing", kPlots},
    {"SetMarkerStyle", kPlots},
    {"SetMarkerColour", kPlots},
    {"DrawCircle", kPlots},
    {"DeleteObject", kPlots},
    {"GetObjectList", kPlots},
    {"Name", kPlots},
    {"Comment", kPlots},
    {"SymbolCode", kPlots},
    {"SymbolTable", kPlots},
    {"Int1", kPlots},
    {"Int2", kPlots},
    {"Flag", kPlots},
    {"AddObject", kPlots},
};

// Sets the failure up once the first distance check has been asked for: the application
// events' DataAvailable, which the program ignores, is fired for this test only.
class FailLater : public host::HostEvents {
  public:
    FailLater(sim::SimHost& host, std::string call) : host_(host), call_(std::move(call)) {
        host_.Subscribe(this, false, this);
        host_.FireDuring("CalcDistanceBearing", sim::Event::DataAvailable);
    }
    ~FailLater() override { host_.Unsubscribe(this); }
    void DataAvailable() override {
        if (!armed_) host_.FailNext(call_, "injected " + call_);
        armed_ = true;
    }
    void NotifyBeacon(const std::string&, float, float) override {}
    void UIView32IsClosing() override {}
    void MapHasChanged() override {}
    void MapRedrawn() override {}

  private:
    sim::SimHost& host_;
    std::string call_;
    bool armed_ = false;
};

void Prepare(World& world, Phase phase) {
    world.platform.PutFile(kIniPath, kSettings);
    if (phase == kStartUp) return;
    ASSERT_TRUE(world.window.Startup());
    if (phase == kPlot) return;
    world.window.OnCommand(Command::Plot);
    world.host.stations[4].latitude = 46;  // the solution moves, and with it the fix object
}

void Enter(World& world, Phase phase) {
    if (phase == kStartUp) {
        ASSERT_TRUE(world.window.Startup());
    } else if (phase == kBeacon) {
        world.host.FireNotifyBeacon("PA1C", 40, 60);
    } else {
        world.window.OnCommand(Command::Plot);
    }
}

const char* PhaseName(Phase phase) {
    switch (phase) {
        case kStartUp:
            return "start-up";
        case kPlot:
            return "plot";
        case kBeacon:
            return "beacon";
        default:
            return "after the first distance check";
    }
}

// One host call fails in the phase; `clean` went through the same without a failure, then plotted.
void CheckFailureIn(Phase phase, const Operation& operation, World& clean) {
    const std::string what = std::string(PhaseName(phase)) + ", " + operation.call + " fails";
    World world;
    Prepare(world, phase);
    const auto settings = world.platform.File(kIniPath);
    const int writes = world.platform.WriteCount(kIniPath);
    std::optional<FailLater> failLater;
    if (phase == kLater)
        failLater.emplace(world.host, operation.call);
    else
        world.host.FailNext(operation.call, std::string("injected ") + operation.call);
    Enter(world, phase);

    if ((operation.phases & phase) == 0) {
        EXPECT_TRUE(world.view.Messages().empty()) << what << ": not called, yet failed";
        return;
    }
    ASSERT_EQ(world.view.Messages().size(), 1u) << what << ": called, yet no warning";
    EXPECT_EQ(world.view.Messages()[0].style, 48) << what;
    EXPECT_NE(world.view.Messages()[0].text.find(std::string("The host reported an error: injected ") +
                                                 operation.call),
              std::string::npos)
        << what << ": " << world.view.Messages()[0].text;
    EXPECT_FALSE(world.window.Ended()) << what;
    EXPECT_EQ(world.platform.File(kIniPath), settings) << what;
    EXPECT_EQ(world.platform.WriteCount(kIniPath), writes) << what;

    world.window.OnCommand(Command::Plot);
    EXPECT_EQ(world.view.Messages().size(), 1u) << what;
    EXPECT_EQ(world.Shown(), clean.Shown()) << what;
    EXPECT_EQ(world.host.objects, clean.host.objects) << what;
    ASSERT_FALSE(world.AddedObjects().empty()) << what;
    EXPECT_EQ(world.AddedObjects().back(), clean.AddedObjects().back()) << what;
    EXPECT_EQ(world.platform.File(kIniPath), settings) << what;
}

TEST(FaultInjectionTest, EveryHostCallFailingInTurnWarnsKeepsTheSettingsAndTheNextPlotIsRight) {
    for (Phase phase : {kStartUp, kPlot, kBeacon, kLater}) {
        World clean;
        Prepare(clean, phase);
        Enter(clean, phase);
        clean.window.OnCommand(Command::Plot);
        ASSERT_TRUE(clean.view.Messages().empty()) << PhaseName(phase);
        for (const Operation& operation : kOperations) CheckFailureIn(phase, operation, clean);
    }
}

TEST(FaultInjectionTest, HostClosingInsideAPlotEndsTheProgramOnceThePlotIsDone) {
    World world;
    world.platform.PutFile(kIniPath, kSettings);
    ASSERT_TRUE(world.window.Startup());
    world.host.FireDuring("DrawLine", sim::Event::UIView32IsClosing);
    world.window.OnCommand(Command::Plot);
    EXPECT_TRUE(world.window.Ended());
    EXPECT_TRUE(world.view.Closed());
    EXPECT_TRUE(world.view.Messages().empty());
    EXPECT_EQ(world.view.Text(ControlId::Label3), "first 5 of 8 intersections");
    EXPECT_EQ(world.platform.File(kIniPath), kSettings);
    EXPECT_EQ(world.platform.File(kListPath), "");
}

// The Save settings command's file, from a run that was not cut short.
std::string SavedSettings(const std::string& typedCallSign) {
    World world;
    world.platform.PutFile(kIniPath, kSettings);
    world.window.Startup();
    world.view.SetText(CallSignBox(2), typedCallSign);
    world.window.OnCommand(Command::FileSave);
    return world.platform.File(kIniPath).value_or("");
}

TEST(FaultInjectionTest, SaveCutShortAtEveryStepLeavesTheOldOrTheNewFile) {
    const std::string saved = SavedSettings("G4NEW");
    ASSERT_NE(saved, kSettings);
    constexpr int kSteps = 4;  // create the temporary file, write half, write the rest, rename
    for (int steps = 0; steps <= kSteps; ++steps) {
        World world;
        world.platform.PutFile(kIniPath, kSettings);
        ASSERT_TRUE(world.window.Startup());
        world.view.SetText(CallSignBox(2), "G4NEW");
        world.platform.stepsBeforeCrash = steps;
        world.window.OnCommand(Command::FileSave);
        const bool done = steps == kSteps;
        EXPECT_EQ(world.platform.crashed, !done) << steps;
        EXPECT_EQ(world.platform.File(kIniPath), done ? saved : kSettings) << steps;

        World restarted(world.platform);
        ASSERT_TRUE(restarted.window.Startup()) << steps;
        EXPECT_TRUE(restarted.view.Messages().empty()) << steps;
        EXPECT_EQ(restarted.view.Text(CallSignBox(2)), done ? "G4NEW" : "PA1C") << steps;
        restarted.view.SetText(CallSignBox(2), "G4NEW");
        restarted.window.OnCommand(Command::FileSave);
        EXPECT_EQ(restarted.platform.File(kIniPath), saved) << steps;
        EXPECT_FALSE(restarted.platform.File(kTempPath)) << steps << ": a temporary file is left";
    }
}

TEST(FaultInjectionTest, FirstStartCutShortAtEveryStepRestartsToTheSameFile) {
    World clean;
    ASSERT_TRUE(clean.window.Startup());
    const auto firstStart = clean.platform.File(kIniPath);
    ASSERT_TRUE(firstStart);

    int steps = 0;
    for (;; ++steps) {
        World world;
        world.platform.stepsBeforeCrash = steps;
        world.window.Startup();
        if (!world.platform.crashed) break;
        // Each default is written whole or not at all: the steps of one write look alike.
        World atWriteStart;
        atWriteStart.platform.stepsBeforeCrash = steps / 4 * 4;
        atWriteStart.window.Startup();
        EXPECT_EQ(world.platform.File(kIniPath), atWriteStart.platform.File(kIniPath)) << steps;

        World restarted(world.platform);
        ASSERT_TRUE(restarted.window.Startup()) << steps;
        EXPECT_TRUE(restarted.view.Messages().empty()) << steps;
        EXPECT_EQ(restarted.platform.File(kIniPath), firstStart) << steps;
    }
    EXPECT_GT(steps, 4 * 10) << "a first start writes every key";
}

TEST(FaultInjectionTest, ReadOnlySettingsFileGivesTheMessageAndLosesNothing) {
    World world;
    world.platform.PutFile(kIniPath, kSettings);
    ASSERT_TRUE(world.window.Startup());
    world.view.SetText(CallSignBox(2), "G4NEW");
    world.platform.readOnlyFolder = true;
    world.window.OnCommand(Command::FileSave);
    ASSERT_EQ(world.view.Messages().size(), 1u);
    EXPECT_EQ(world.platform.File(kIniPath), kSettings);
    EXPECT_FALSE(world.platform.File(kTempPath));

    world.platform.readOnlyFolder = false;  // the operator makes it writable and saves again
    world.window.OnCommand(Command::FileSave);
    EXPECT_EQ(world.view.Messages().size(), 1u);
    EXPECT_EQ(world.platform.File(kIniPath), SavedSettings("G4NEW"));
}

}  // namespace
}  // namespace trivex::ui
