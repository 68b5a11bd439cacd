// Start-up on any settings file, then Save settings: the settings shown are within their
// ranges, the saved file starts the program with the same settings, and starting from it and
// saving again writes the same bytes.
#include <string>

#include "host/sim/sim_host.h"
#include "tests/fuzz/fuzz_support.h"
#include "ui/main_window.h"
#include "ui/memory/memory_platform.h"
#include "ui/memory/memory_view.h"

namespace trivex::fuzz {
namespace {

using namespace trivex::ui;

constexpr const char* kIniPath = "C:\\Trivex\\Trivex.INI";

// The settings as the window shows them and the program holds them, one line each.
std::string SettingsText(MainWindow& window, MemoryView& view) {
    const Settings& settings = window.CurrentSettings();
    std::string text = "position " + std::to_string(view.Position().left) + " " +
                       std::to_string(view.Position().top) + "\nminimised " + std::to_string(view.IsMinimised()) +
                       "\nthickness " + std::to_string(settings.PlotLineThickness) + "\nignore item " +
                       std::to_string(settings.ignoreItem) + " " + std::to_string(settings.IgnoreDistance) +
                       "\nreplot " + std::to_string(settings.ReplotAfterMapIsRedrawn) + "\n";
    for (int row = 0; row < kStationCount; ++row) text += "call-sign " + view.Text(CallSignBox(row)) + "\n";
    return text;
}

// Exactly the menu items of the settings carry check marks.
void CheckMenus(MainWindow& window, MemoryView& view) {
    const Settings& settings = window.CurrentSettings();
    Check(settings.PlotLineThickness >= 1 && settings.PlotLineThickness <= kThicknessItems, "thickness range");
    Check(settings.ignoreItem >= 1 && settings.ignoreItem <= kIgnoreItems, "ignore item range");
    for (int n = 1; n <= kThicknessItems; ++n)
        Check(view.IsChecked(ThicknessItem(n)) == (n == settings.PlotLineThickness), "thickness check mark");
    for (int n = 1; n <= kIgnoreItems; ++n)
        Check(view.IsChecked(IgnoreItem(n)) == (n == settings.ignoreItem), "ignore check mark");
    Check(view.IsChecked(Command::OptionsReplot) == settings.ReplotAfterMapIsRedrawn, "replot check mark");
}

struct Run {
    explicit Run(const std::string& file) {
        platform.PutFile(kIniPath, file);
        Check(window.Startup(), "start-up goes on");
        Check(view.Messages().empty(), "start-up shows no message");
        CheckMenus(window, view);
    }
    std::string SaveSettings() {
        window.OnCommand(Command::FileSave);
        Check(view.Messages().empty(), "saving shows no message");
        return platform.File(kIniPath).value_or("(no file)");
    }
    sim::SimHost host;
    MemoryView view;
    MemoryPlatform platform;
    MainWindow window{view, platform, host};
};

}  // namespace
}  // namespace trivex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace trivex::fuzz;
    Run first(std::string(reinterpret_cast<const char*>(data), size));
    const std::string saved = first.SaveSettings();

    Run second(saved);
    CheckEqual(SettingsText(first.window, first.view), SettingsText(second.window, second.view),
               "the saved file gives the same settings");
    CheckEqual(saved, second.platform.File(kIniPath).value_or("(no file)"), "starting from it writes nothing");
    CheckEqual(saved, second.SaveSettings(), "saving again writes the same bytes");
    return 0;
}
