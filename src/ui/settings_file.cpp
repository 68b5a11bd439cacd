#include "ui/settings_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "settings/ini_file.h"
#include "support/numeric.h"

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
    const double value = support::NumericPrefix(text);
    if (!std::isfinite(value) || value > screenExtent || value < std::numeric_limits<int32_t>::min())
        return centred;
    return RoundHalfEvenInt32(value);
}

// A menu item number from the file: 1 when the value lies outside 1..last.
int ItemFrom(const std::string& text, int last) {
    const double value = support::NumericPrefix(text);
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

StoredSettings SettingsFile::Load() {
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

    StoredSettings stored;
    Settings& settings = stored.settings;
    settings.plotLineThickness = static_cast<int16_t>(
        ItemFrom(ini.GetIniSetting(kSection, "PlotLineThickness", "1"), kThicknessItems));
    settings.ignoreItem = ItemFrom(ini.GetIniSetting(kSection, "IgnoreDistance", "1"), kIgnoreItems);
    settings.replotAfterMapIsRedrawn =
        IsTrueText(ini.GetIniSetting(kSection, "ReplotAfterMapIsRedrawn", "FALSE"));
    settings.logPairResults = IsTrueText(ini.GetIniString(kSection, kLogPairsKey, "FALSE"));
    settings.showBestEstimate = IsTrueText(ini.GetIniString(kSection, kShowEstimateKey, "FALSE"));
    for (int row = 0; row < plot::kStationCount; ++row)
        stored.callSigns[row] =
            ini.GetIniSetting(kSection, CallSignKey(row), "NOCALL" + std::to_string(row + 1));
    readError_ = ini.ReadError();
    return stored;
}

void SettingsFile::WarnIfUnreadable() {
    if (!readError_) return;
    handlers_.ShowError(
        MessageStyle::Warning,
        "The settings could not be read from " + files_.iniFile + ": " + *readError_ +
            "\r\nThe program goes on with the default settings and leaves the file as it is.");
}

void SettingsFile::Save(const Settings& settings, const plot::StationTable& stations) {
    if (!Write(settings, stations))
        handlers_.ShowError(MessageStyle::Warning, "The settings could not be saved to " + files_.iniFile);
}

bool SettingsFile::Write(const Settings& settings, const plot::StationTable& stations) {
    RememberPosition();
    if (readError_) return false;
    IniFile ini(platform_, files_.iniFile);
    IniFile::Batch batch(ini);
    batch.Write(kSection, "LEFT", std::to_string(savedPosition_.left));
    batch.Write(kSection, "TOP", std::to_string(savedPosition_.top));
    batch.Write(kSection, "MINIMIZED", BoolToText(view_.IsMinimised()));
    batch.Write(kSection, "PlotLineThickness", std::to_string(settings.plotLineThickness));
    batch.Write(kSection, "IgnoreDistance", std::to_string(settings.ignoreItem));
    batch.Write(kSection, "ReplotAfterMapIsRedrawn", BoolToText(settings.replotAfterMapIsRedrawn));
    WriteOptionalFlag(ini, batch, kLogPairsKey, settings.logPairResults);
    WriteOptionalFlag(ini, batch, kShowEstimateKey, settings.showBestEstimate);
    for (int row = 0; row < plot::kStationCount; ++row)
        batch.Write(kSection, CallSignKey(row), stations[row].Callsign);
    return batch.Commit();
}

void SettingsFile::RememberPosition() {
    if (!view_.IsMinimised()) savedPosition_ = view_.Position();
}

}  // namespace trivex::ui
