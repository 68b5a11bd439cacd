// Start-up on any settings file, then Save settings: the settings shown are within their
// ranges, the saved file starts the program with the same settings and without writing, and
// after one more save the file stays byte for byte the same.
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

// A call-sign as the next start reads it from the saved file. The program writes call-signs as
// they are, but a call-sign read from a file can begin with a blank after a quote and end with
// a blank before a NUL; the platform's writer drops the blanks at the start of a value, its
// reader those at the end of a line and a pair of quotes around a value.
std::string AsReadBack(std::string callsign) {
    while (!callsign.empty() && IsProfileBlank(callsign.front())) callsign.erase(0, 1);
    while (!callsign.empty() && IsProfileBlank(callsign.back())) callsign.pop_back();
    const bool quoted = callsign.size() > 1 && (callsign.front() == '"' || callsign.front() == '\'') &&
                        callsign.back() == callsign.front();
    return quoted ? callsign.substr(1, callsign.size() - 2) : callsign;
}

// The settings as the window shows them and the program holds them, one line each; the
// call-signs as they are, or as the next start reads them back.
std::string SettingsText(MainWindow& window, MemoryView& view, bool asReadBack) {
    const Settings& settings = window.CurrentSettings();
    std::string text = "position " + std::to_string(view.Position().left) + " " +
                       std::to_string(view.Position().top) + "\nminimised " +
                       std::to_string(view.IsMinimised()) + "\nthickness " +
                       std::to_string(settings.PlotLineThickness) + "\nignore item " +
                       std::to_string(settings.ignoreItem) + " " + std::to_string(settings.IgnoreDistance) +
                       "\nreplot " + std::to_string(settings.ReplotAfterMapIsRedrawn) + "\n";
    for (int row = 0; row < kStationCount; ++row) {
        const std::string callsign = view.Text(CallSignBox(row));
        text += "call-sign " + (asReadBack ? AsReadBack(callsign) : callsign) + "\n";
    }
    return text;
}

// Exactly the menu items of the settings carry check marks.
void CheckMenus(MainWindow& window, MemoryView& view) {
    const Settings& settings = window.CurrentSettings();
    Check(settings.PlotLineThickness >= 1 && settings.PlotLineThickness <= kThicknessItems,
          "thickness range");
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
    CheckEqual(SettingsText(first.window, first.view, true), SettingsText(second.window, second.view, false),
               "the saved file gives the same settings");
    CheckEqual(saved, second.platform.File(kIniPath).value_or("(no file)"),
               "starting from it writes nothing");
    const std::string savedAgain = second.SaveSettings();
    Run third(savedAgain);
    CheckEqual(savedAgain, third.SaveSettings(), "from then on saving writes the same bytes");
    return 0;
}
