// The settings file on any bytes. Layout: uint16 buffer size, texts of a section, key, value
// and default, then the file's bytes.
//
// The file's reader and writer take any names and values, and a read fits its buffer. The
// program starts on the file quietly with settings within their menus; after Save, the saved
// file starts it with the same settings and without writing, and after one more save the file
// stays byte for byte the same.
#include <algorithm>
#include <sstream>
#include <string>

#include "settings/private_profile.h"
#include "tests/fuzz/fuzz_support.h"

namespace trivex::fuzz {
namespace {

using namespace trivex::settings;
using namespace trivex::ui;

constexpr const char* kIniPath = "C:\\Trivex\\Trivex.INI";
const Latin1CodePage kCodePage{};  // the simulated platform's

// A call-sign as the next start reads it once the program has written the file (at start-up or
// Save): as the file's writer and reader give back that value alone. Else it comes back as it is.
std::string AsReadBack(const std::string& callsign) {
    const std::string file = ProfileWriteString("", "SETUP", "CallSign1", callsign, kCodePage).value_or("");
    return ProfileReadString(file, "SETUP", "CallSign1", "", kCodePage);
}

// A program started on the file.
struct Run : SimulatedProgram {
    explicit Run(const std::string& file) {
        platform.PutFile(kIniPath, file);
        Check(window.Startup() && view.Messages().empty(), "start-up goes on without a message");
        const Settings& s = window.CurrentSettings();
        Check(s.plotLineThickness >= 1 && s.plotLineThickness <= kThicknessItems && s.ignoreItem >= 1 &&
                  s.ignoreItem <= kIgnoreItems,
              "thickness and ignore distance within their menus");
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
        std::ostringstream text;
        text << view.Position().left << " " << view.Position().top << " minimised " << view.IsMinimised()
             << " thickness " << s.plotLineThickness << " ignore " << s.ignoreItem << " " << s.ignoreDistance
             << " replot " << s.replotAfterMapIsRedrawn;
        for (int row = 0; row < plot::kStationCount; ++row)
            text << "\n"
                 << (asReadBack ? AsReadBack(view.Text(CallSignBox(row))) : view.Text(CallSignBox(row)));
        return text.str();
    }
};

}  // namespace
}  // namespace trivex::fuzz

void trivex::fuzz::FuzzOne(FuzzInput& input) {
    const size_t bufferSize = input.Take<uint16_t>() % 600;
    const std::string section = input.Text(), key = input.Text(), value = input.Text();
    const std::string defaultValue = input.Text();
    const std::string file = input.Rest();

    const std::string read = ProfileReadString(file, section, key, defaultValue, kCodePage, bufferSize);
    Check(read.size() < std::max<size_t>(bufferSize, 1), "the text fits the buffer with its NUL");
    if (const auto written = ProfileWriteString(file, section, key, value, kCodePage)) {
        const std::string reread =
            ProfileReadString(*written, section, key, defaultValue, kCodePage, bufferSize);
        Check(reread.size() < std::max<size_t>(bufferSize, 1),
              "the text written fits the buffer with its NUL");
    }

    Run first(file);
    const std::string saved = first.SaveSettings();
    Run second(saved);
    Check(first.Shown(first.Written()) == second.Shown(false), "the saved file gives the same settings");
    Check(saved == second.platform.File(kIniPath).value_or("(no file)"), "starting from it writes nothing");
    const std::string savedAgain = second.SaveSettings();
    Check(savedAgain == Run(savedAgain).SaveSettings(), "from then on saving writes the same bytes");
}
