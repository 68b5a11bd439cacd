// Host failures at every call the program makes, and saves of the settings cut short at
// every step: the program warns, keeps the settings file as it was and plots right next time.
#include <string>
#include <utility>

#include "tests/ui/main_window_fixture.h"

namespace trivex::ui {
namespace {

// Complete and in the platform's own form, so that start-up has nothing to write.
constexpr const char* kSettings =
    "[SETUP]\r\nLEFT=600\r\nTOP=450\r\nMINIMIZED=FALSE\r\nPlotLineThickness=2\r\nIgnoreDistance=5\r\n"
    "ReplotAfterMapIsRedrawn=FALSE\r\nCallSign1=PA1A\r\nCallSign2=PA1B\r\nCallSign3=PA1C\r\n"
    "CallSign4=PA1D\r\nCallSign5=PA1E\r\n";
constexpr const char* kTempPath = "C:\\Trivex\\Trivex.INI.tmp";

// The program with its window, files and host; a restart after a crash is given the files the
// crashed run left.
struct World : Program {
    explicit World(const MemoryPlatform& files = {}) {
        platform = files;
        platform.stepsBeforeCrash.reset();
        platform.crashed = false;
        host.stations = FiveStations();
    }
    void Start() {
        platform.PutFile(kIniPath, kSettings);
        ASSERT_TRUE(window.Startup());
    }
    // Changes the first key and the last, so that a save in parts would show.
    void SaveNewCallSigns() {
        view.SetText(CallSignBox(0), "G4NEW");
        view.SetText(CallSignBox(4), "M0NEW");
        window.OnCommand(Command::FileSave);
    }
    // What the window shows of a plot; the object label and the log depend on the history.
    std::string Shown() {
        std::string texts;
        for (int id = static_cast<int>(ControlId::CallSignsHeading);
             id < static_cast<int>(ControlId::ObjectLabel); ++id)
            texts += view.Text(static_cast<ControlId>(id)) + "\n";
        return texts;
    }
};

// Where the injected failure strikes.
enum Phase : unsigned {
    kStartUp = 1,  // start-up with a settings file
    kPlot = 2,     // the first plot
    kBeacon = 4,   // a beacon's plot after a station moved
    kFix = 8,      // a plot after a station moved, from the first distance check on: the fix placement
};
constexpr unsigned kReports = kStartUp | kPlot | kBeacon;
constexpr unsigned kPlots = kPlot | kBeacon | kFix;

// The host's operations by the phases that call them, and the phases in which they are steps of
// the fix object.
struct Operations {
    unsigned phases;
    unsigned fixObjectIn;
    std::vector<const char*> calls;
};
const Operations kOperations[] = {
    {kStartUp, 0, {"GetMap"}},  // a plot connects only when start-up could not
    // the map's view is read once, at the first station's lines
    {kReports,
     0,
     {"Callsign", "GetStationInfo", "InfoText1", "InfoText2", "InfoText3", "DrawLine", "GetWidthPixels",
      "GetHeightPixels", "GetWidthUnits", "GetHeightUnits", "GetLeftEdge"}},
    {kReports | kFix, 0, {"SetLineWidth"}},              // the width of lines and markers
    {kReports | kFix, kFix, {"Latitude", "Longitude"}},  // the station's position, then the fix object's
    {kPlots, 0, {"CalcDistanceBearing", "SetMarkerStyle", "SetMarkerColour", "DrawCircle"}},
    {kPlots,
     kPlots,
     {"DeleteObject", "GetObjectList", "Name", "Comment", "SymbolCode", "SymbolTable", "Int1", "Int2", "Flag",
      "AddObject"}},
};

// Brings the program to the phase, makes `failing` fail there (none: the clean run) and runs it.
void RunPhase(World& world, Phase phase, const std::string& failing = "") {
    world.platform.PutFile(kIniPath, kSettings);
    if (phase != kStartUp) world.Start();
    if (phase & (kBeacon | kFix)) {
        world.window.OnCommand(Command::Plot);
        world.host.stations[4].latitude = 46;  // the solution moves, and with it the fix object
    }
    if (phase == kFix && !failing.empty()) {
        // armed at the first distance check
        world.host.AfterEveryCall(
            [&host = world.host, failing, armed = false](const std::string& done) mutable {
                if (done == "CalcDistanceBearing" && !std::exchange(armed, true))
                    host.FailNext(failing, "injected " + failing);
            });
    }
    if (phase != kFix && !failing.empty()) world.host.FailNext(failing, "injected " + failing);
    if (phase == kStartUp) static_cast<void>(world.window.Startup());  // a failed start is the case
    if (phase == kBeacon) world.host.FireNotifyBeacon("PA1C", 40, 60);
    if (phase & (kPlot | kFix)) world.window.OnCommand(Command::Plot);
}

// One host call fails in the phase; `clean` went through the same without a failure, then plotted.
// A failed step of the fix object leaves the plot's results shown and says the object is gone.
void CheckFailureIn(Phase phase, const std::string& call, bool called, bool fixObject, World& clean) {
    const std::string what = "phase " + std::to_string(phase) + ", " + call + " fails";
    World world;
    RunPhase(world, phase, call);
    if (!called) {
        EXPECT_TRUE(world.view.Messages().empty()) << what << ": not called, yet failed";
        return;
    }
    ASSERT_EQ(world.view.Messages().size(), 1u) << what << ": called, yet no warning";
    EXPECT_NE(world.view.Messages()[0].text.find("The host reported an error: injected " + call),
              std::string::npos)
        << what << ": " << world.view.Messages()[0].text;
    EXPECT_FALSE(world.window.Ended()) << what;
    if (fixObject) {
        EXPECT_EQ(world.Shown(), clean.Shown()) << what << ": the failed plot";
        EXPECT_EQ(world.view.Text(ControlId::ObjectLabel), "Object removed, not placed.") << what;
    }

    world.window.OnCommand(Command::Plot);
    EXPECT_EQ(world.view.Messages().size(), 1u) << what;
    EXPECT_EQ(world.Shown(), clean.Shown()) << what;
    EXPECT_EQ(world.host.objects, clean.host.objects) << what;
    ASSERT_FALSE(world.AddedObjects().empty()) << what;
    EXPECT_EQ(world.AddedObjects().back(), clean.AddedObjects().back()) << what;
    EXPECT_EQ(world.platform.File(kIniPath), kSettings) << what;
    EXPECT_EQ(world.platform.WriteCount(kIniPath), 0) << what;
}

TEST(FaultInjectionTest, EveryHostCallFailingInTurnWarnsKeepsTheSettingsAndTheNextPlotIsRight) {
    for (Phase phase : {kStartUp, kPlot, kBeacon, kFix}) {
        World clean;
        RunPhase(clean, phase);
        clean.window.OnCommand(Command::Plot);
        ASSERT_TRUE(clean.view.Messages().empty()) << phase;
        for (const auto& [phases, fixObjectIn, calls] : kOperations)
            for (const char* call : calls)
                CheckFailureIn(phase, call, (phases & phase) != 0, (fixObjectIn & phase) != 0, clean);
    }
}

// The host closing inside a plot, then failing the plot's next call: the error is logged, not
// shown, a beacon's plot queued behind the closing is skipped, and the program ends without saving.
TEST(FaultInjectionTest, HostClosingInsideAPlotEndsTheProgramWithoutAWarning) {
    World world;
    world.Start();
    world.host.TakeJournal();
    // At the first line the host closes; what hears it before the window fails the next line
    // and sends a beacon.
    world.host.AfterEveryCall([&host = world.host, closed = false](const std::string& call) mutable {
        if (call != "DrawLine" || std::exchange(closed, true)) return;
        host.FailNext("DrawLine", "injected DrawLine");
        host.FireNotifyBeacon("PA1C", 40, 60);
        host.Fire(sim::Event::UIView32IsClosing);
    });
    world.window.OnCommand(Command::Plot);
    EXPECT_TRUE(world.window.Ended() && world.view.Closed());
    EXPECT_TRUE(world.view.Messages().empty());
    EXPECT_NE(world.view.Text(ControlId::Status).find("The host reported an error: injected DrawLine\r\n"),
              std::string::npos);
    EXPECT_EQ(world.CountCalls("GetStationInfo"), 1) << "one plot";
    EXPECT_EQ(world.platform.File(kIniPath), kSettings);
    EXPECT_EQ(world.platform.File(kListPath), "");
}

// A host failure may mean that the host's server has gone with the objects the program holds:
// the next plot connects afresh (here failing at GetMap), the one after it too, and places the
// fix object again; from then on the new objects serve every plot and deliver the events, each once.
TEST(FaultInjectionTest, PlotAfterAHostFailureConnectsAfresh) {
    World world;
    world.Start();
    world.window.OnCommand(Command::Plot);
    world.host.objects.clear();  // gone with the server
    world.host.FailNext("DrawLine", "injected DrawLine");
    world.window.OnCommand(Command::Plot);
    world.host.FailNext("GetMap", "injected GetMap");
    world.window.OnCommand(Command::Plot);
    world.window.OnCommand(Command::Plot);
    ASSERT_EQ(world.view.Messages().size(), 2u);
    EXPECT_NE(world.view.Messages()[1].text.find("injected GetMap"), std::string::npos);
    EXPECT_EQ(world.view.Text(ControlId::IntersectionCount), "first 5 of 8 intersections");
    EXPECT_EQ(world.view.Text(ControlId::ObjectLabel), "Object RDFFIX0 at new location.");
    EXPECT_EQ(world.host.objects, std::vector<std::string>{"*RDFFIX0"});

    world.host.FailNext("GetMap", "injected GetMap");
    world.window.OnCommand(Command::Plot);
    EXPECT_EQ(world.view.Messages().size(), 2u) << "a plot after a good one does not connect again";
    world.host.TakeJournal();
    world.host.FireNotifyBeacon("PA1C", 40, 60);
    EXPECT_EQ(world.CountCalls("GetStationInfo"), 5) << "one plot for the beacon";
}

// A save cut short before one of its steps leaves the old file, one that ran all its steps the
// new one, never a mix; a folder that refuses new files is written in place. After a restart the
// next save works.
TEST(FaultInjectionTest, InterruptedSaveLeavesTheOldOrTheNewFile) {
    World uncut;
    uncut.Start();
    uncut.SaveNewCallSigns();
    const std::string saved = uncut.platform.File(kIniPath).value_or("");
    constexpr int kSteps = 4;  // create the temporary file, write half, write the rest, rename
    constexpr int kReadOnly = kSteps + 1;
    for (int steps = 0; steps <= kReadOnly; ++steps) {
        World world;
        world.Start();
        world.platform.readOnlyFolder = steps == kReadOnly;
        if (steps < kReadOnly) world.platform.stepsBeforeCrash = steps;
        world.SaveNewCallSigns();
        EXPECT_EQ(world.platform.crashed, steps < kSteps) << steps;
        EXPECT_EQ(world.view.Messages().size(), steps >= kSteps ? 0u : 1u) << steps;
        EXPECT_EQ(world.platform.File(kIniPath), steps >= kSteps ? saved : kSettings) << steps;

        World restarted(world.platform);
        restarted.platform.readOnlyFolder = false;
        ASSERT_TRUE(restarted.window.Startup()) << steps;
        EXPECT_TRUE(restarted.view.Messages().empty()) << steps;
        EXPECT_EQ(restarted.view.Text(CallSignBox(0)) + restarted.view.Text(CallSignBox(4)),
                  steps >= kSteps ? "G4NEWM0NEW" : "PA1APA1E")
            << steps;
        restarted.SaveNewCallSigns();
        EXPECT_EQ(restarted.platform.File(kIniPath), saved) << steps;
        EXPECT_FALSE(restarted.platform.File(kTempPath)) << steps << ": a temporary file is left";
    }
}

// Each default of a first start is written whole or not at all, and a restart completes the file.
TEST(FaultInjectionTest, FirstStartCutShortAtEveryStepRestartsToTheSameFile) {
    World clean;
    ASSERT_TRUE(clean.window.Startup());
    const auto firstStart = clean.platform.File(kIniPath);
    int steps = 0;
    for (;; ++steps) {
        World world, atWriteStart;  // the steps of one write look alike
        world.platform.stepsBeforeCrash = steps;
        atWriteStart.platform.stepsBeforeCrash = steps / 4 * 4;
        static_cast<void>(world.window.Startup());  // cut short: only the file it left counts
        if (!world.platform.crashed) break;
        static_cast<void>(atWriteStart.window.Startup());
        EXPECT_EQ(world.platform.File(kIniPath), atWriteStart.platform.File(kIniPath)) << steps;

        World restarted(world.platform);
        ASSERT_TRUE(restarted.window.Startup()) << steps;
        EXPECT_TRUE(restarted.view.Messages().empty()) << steps;
        EXPECT_EQ(restarted.platform.File(kIniPath), firstStart) << steps;
    }
    EXPECT_GT(steps, 4 * 10) << "a first start writes every key";
}

}  // namespace
}  // namespace trivex::ui
