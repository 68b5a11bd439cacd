// TrivexDemo.exe: the program's window on the in-process simulated host, with a window that
// shows the host's map. The world comes from TrivexDemo.json beside the executable (a
// scenario as trivex-sim reads it; its actions are left to the operator), else the
// built-in demo.
#include <memory>

#include "demo_platform.h"
#include "demo_scenario.h"
#include "map_window_win32.h"
#include "shell/program_win32.h"
#include "ui/program_files.h"
#include "win32/guard_win32.h"
#include "win32/windows_api.h"

namespace {

using namespace trivex;

// A scenario's settings file is laid down only when the program has none yet, so that the
// operator's saved settings survive the next start.
void WriteFirstSettings(ui::PlatformServices& platform, const simkit::Scenario& scenario) {
    const std::string iniFile = platform.ProgramFolder() + "\\" + platform.ExeName() + ".INI";
    const settings::FileRead existing = platform.ReadFile(iniFile);
    if (scenario.settings && !existing.bytes && !existing.error)
        platform.ReplaceFile(iniFile, *scenario.settings);
}

int RunDemo(HINSTANCE instance) {
    ui::PlatformWin32 files;
    const std::string scenarioFile = files.ProgramFolder() + "\\" + files.ExeName() + ".json";
    const simkit::Scenario scenario = demo::LoadScenario(scenarioFile, files.ReadFile(scenarioFile));
    sim::SimHost host;
    simkit::PrepareHost(scenario, host);
    demo::DemoPlatform platform(scenario.hostVersion);
    WriteFirstSettings(platform, scenario);
    std::unique_ptr<demo::MapWindowWin32> map;
    return shell::RunProgram(instance, host, platform, [&](ui::MainWindowWin32& window, ui::MainWindow&) {
        map = std::make_unique<demo::MapWindowWin32>(instance, host, window.Handle());
    });
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    win32::ReportFatalErrorsAtTerminate(ui::kApplicationTitle);
    return static_cast<int>(win32::Guarded([&]() -> LRESULT { return RunDemo(instance); }));
}
