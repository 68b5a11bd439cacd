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

// A call-sign as the next start reads it from a file that the program wrote, at start-up or at
// Save. The program writes call-signs as they are, but a call-sign read from a file can begin
// with a blank after a quote and end with a blank before a NUL; the platform's writer drops the
// blanks at the start of a value, its reader those at the end of a line and a pair of quotes
// around a value. A file that the program never wrote gives every call-sign back unchanged.
std::string AsReadBack(const std::string& written) {
    const std::string callsign = TrimProfileBlanks(written);
    const bool quoted = callsign.size() > 1 && (callsign.front() == '"' || callsign.front() == '\'') &&
                        callsign.back() == callsign.front();
    return quoted ? callsign.substr(1, callsign.size() - 2) : callsign;
}

// A program started on the file: start-up goes on quietly, with exactly the menu items of its
// settings checked.
struct Run {
    explicit Run(const std::string& file) {
        platform.PutFile(kIniPath, file);
        Check(window.Startup() && view.Messages().empty(), "start-up goes on without a message");
        const Settings& s = window.CurrentSettings();
        std::string marks;
        for (int n = 1; n <= kIgnoreItems; ++n)
            marks += view.IsChecked(IgnoreItem(n)) ? std::to_string(n) : "";
        for (int n = 1; n <= kThicknessItems; ++n)
            marks += view.IsChecked(ThicknessItem(n)) ? "/" + std::to_string(n) : "";
        marks += view.IsChecked(Command::OptionsReplot) ? "/replot" : "";
        CheckEqual(std::to_string(s.ignoreItem) + "/" + std::to_string(s.PlotLineThickness) +
                       (s.ReplotAfterMapIsRedrawn ? "/replot" : ""),
                   marks, "check marks: ignore item/thickness item/replot");
    }
    std::string SaveSettings() {
        window.OnCommand(Command::FileSave);
        Check(view.Messages().empty(), "saving shows no message");
        return platform.File(kIniPath).value_or("(no file)");
    }
    bool Written() const { return platform.WriteCount(kIniPath) > 0; }
    // The settings shown and held, one a line; the call-signs as they are or as read back.
    std::string Shown(bool asReadBack) {
        const Settings& s = window.CurrentSettings();
        std::string text = std::to_string(view.Position().left) + " " + std::to_string(view.Position().top) +
                           " minimised " + std::to_string(view.IsMinimised()) + " thickness " +
                           std::to_string(s.PlotLineThickness) + " ignore " + std::to_string(s.ignoreItem) +
                           " " + std::to_string(s.IgnoreDistance) + " replot " +
                           std::to_string(s.ReplotAfterMapIsRedrawn) + "\n";
        for (int row = 0; row < kStationCount; ++row)
            text +=
                (asReadBack ? AsReadBack(view.Text(CallSignBox(row))) : view.Text(CallSignBox(row))) + "\n";
        return text;
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
    CheckEqual(first.Shown(first.Written()), second.Shown(false), "the saved file gives the same settings");
    CheckEqual(saved, second.platform.File(kIniPath).value_or("(no file)"),
               "starting from it writes nothing");
    const std::string savedAgain = second.SaveSettings();
    CheckEqual(savedAgain, Run(savedAgain).SaveSettings(), "from then on saving writes the same bytes");
    return 0;
}
