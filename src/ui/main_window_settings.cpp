// The settings file: read once at start-up, written only by the Save settings command.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "settings/ini_file.h"
#include "support/numeric.h"
#include "ui/error_message.h"
#include "ui/main_window.h"

namespace trivex::ui {

using settings::BoolToText;
using settings::IniFile;
using settings::IsTrueText;

namespace {

constexpr const char* kSection = "SETUP";
// Read without writing a default: a file without them means off, and stays as it is.
constexpr const char* kLogPairsKey = "LogPairResults";
constexpr const char* kShowEstimateKey = "ShowBestEstimate";

int32_t RoundHalfEvenInt32(double value) {
    return static_cast<int32_t>(std::nearbyint(value));
}

// Half the room the screen leaves beside the window, within what a window edge can hold; in 64
// bits, as sizes at the ends of their range leave more room than 32 bits hold.
int32_t Centred(int32_t screenExtent, int32_t windowExtent) {
    const double centred = static_cast<double>(int64_t{screenExtent} - windowExtent) / 2.0;
    return RoundHalfEvenInt32(std::clamp<double>(centred, std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max()));
}

// A window edge from the file: the centred position when the value lies beyond the screen
// or beyond what a window position can hold.
int32_t EdgeFrom(const std::string& text, int32_t screenExtent, int32_t centred) {
    const double value = NumericPrefix(text);
    if (!std::isfinite(value) || value > screenExtent || value < std::numeric_limits<int32_t>::min())
        return centred;
    return RoundHalfEvenInt32(value);
}

// A menu item number from the file: 1 when the value lies outside 1..last.
int ItemFrom(const std::string& text, int last) {
    const double value = NumericPrefix(text);
    if (value < 1 || value > last) return 1;
    return RoundHalfEvenInt32(value);
}

// An option kept only once it has been on: written when on or already in the file.
void WriteOptionalFlag(IniFile& ini, IniFile::Batch& batch, const char* key, bool on) {
    if (on || !ini.GetIniString(kSection, key, "").empty()) batch.Write(kSection, key, BoolToText(on));
}

std::string CallSignKey(int row) {
    return "CallSign" + std::to_string(row + 1);
}

}  // namespace

void MainWindow::loadini() {
    IniFile ini(platform_, files_.iniFile);
    const Size screen = platform_.ScreenSize();
    const Size window = view_.OuterSize();
    const int32_t centredLeft = Centred(screen.width, window.width);
    const int32_t centredTop = Centred(screen.height, window.height);

    WindowPosition position;
    position.left =
        EdgeFrom(ini.GetIniSetting(kSection, "LEFT", std::to_string(centredLeft)), screen.width, centredLeft);
    position.top =
        EdgeFrom(ini.GetIniSetting(kSection, "TOP", std::to_string(centredTop)), screen.height, centredTop);
    view_.MoveTo(position);
    savedPosition_ = position;
    if (IsTrueText(ini.GetIniSetting(kSection, "MINIMIZED", "FALSE"))) view_.SetMinimised(true);

    SelectLineThickness(ItemFrom(ini.GetIniSetting(kSection, "PlotLineThickness", "1"), kThicknessItems));
    SelectIgnoreDistance(ItemFrom(ini.GetIniSetting(kSection, "IgnoreDistance", "1"), kIgnoreItems));
    settings_.replotAfterMapIsRedrawn =
        IsTrueText(ini.GetIniSetting(kSection, "ReplotAfterMapIsRedrawn", "FALSE"));
    view_.SetChecked(Command::OptionsReplot, settings_.replotAfterMapIsRedrawn);
    settings_.logPairResults = IsTrueText(ini.GetIniString(kSection, kLogPairsKey, "FALSE"));
    if (settings_.logPairResults) view_.SetChecked(Command::OptionsLogPairs, true);
    settings_.showBestEstimate = IsTrueText(ini.GetIniString(kSection, kShowEstimateKey, "FALSE"));
    if (settings_.showBestEstimate) view_.SetChecked(Command::OptionsShowEstimate, true);

    for (int row = 0; row < kStationCount; ++row)
        plot_.Stations()[row].Callsign =
            ini.GetIniSetting(kSection, CallSignKey(row), "NOCALL" + std::to_string(row + 1));

    if (const auto& reason = ini.ReadError()) {
        settingsUnreadable_ = true;
        ShowError(MessageStyle::Warning,
                  "The settings could not be read from " + files_.iniFile + ": " + *reason +
                      "\r\nThe program goes on with the default settings and leaves the file "
                      "as it is.");
    }
}

// Settings that could not be read at start-up are not saved: they would replace the user's own.
bool MainWindow::saveini() {
    RememberPosition();
    if (settingsUnreadable_) return false;
    IniFile ini(platform_, files_.iniFile);
    IniFile::Batch batch(ini);
    batch.Write(kSection, "LEFT", std::to_string(savedPosition_.left));
    batch.Write(kSection, "TOP", std::to_string(savedPosition_.top));
    batch.Write(kSection, "MINIMIZED", BoolToText(view_.IsMinimised()));
    batch.Write(kSection, "PlotLineThickness", std::to_string(settings_.plotLineThickness));
    batch.Write(kSection, "IgnoreDistance", std::to_string(settings_.ignoreItem));
    batch.Write(kSection, "ReplotAfterMapIsRedrawn", BoolToText(settings_.replotAfterMapIsRedrawn));
    WriteOptionalFlag(ini, batch, kLogPairsKey, settings_.logPairResults);
    WriteOptionalFlag(ini, batch, kShowEstimateKey, settings_.showBestEstimate);
    for (int row = 0; row < kStationCount; ++row)
        batch.Write(kSection, CallSignKey(row), plot_.Stations()[row].Callsign);
    return batch.Commit();
}

void MainWindow::SaveSettings() {
    for (int row = 0; row < kStationCount; ++row)
        plot_.Stations()[row].Callsign = view_.Text(CallSignBox(row));
    if (!saveini()) ShowError(MessageStyle::Warning, "The settings could not be saved to " + files_.iniFile);
}

}  // namespace trivex::ui
