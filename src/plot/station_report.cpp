#include "plot/station_report.h"

#include <memory>

#include "plot/df_reading.h"

namespace trivex::plot {
namespace {

constexpr char kCrLf[] = "\r\n";

// Logs the host's texts, one log call per line, and gives back the third text.
std::string LogInfoTexts(const std::string& callsign, host::UivStationInfo& info, PlotDisplay& display) {
    display.AppendLog("***** Start of info for " + callsign + " *****" + kCrLf);
    display.AppendLog(info.InfoText1() + kCrLf);
    display.AppendLog(info.InfoText2() + kCrLf);
    std::string infoText3 = info.InfoText3();
    display.AppendLog(infoText3 + kCrLf);
    display.AppendLog("***** End of info for " + callsign + " *****" + kCrLf);
    return infoText3;
}

}  // namespace

std::optional<StationReading> GetStationReport(const std::string& callsign, int row, host::Host& host,
                                               host::UivApplication& app, PlotMap& map,
                                               PlotDisplay& display) {
    if (callsign.empty() || callsign == "Callsign") return std::nullopt;

    const std::unique_ptr<host::UivStationInfo> object = host.NewStationInfo();
    host::UivStationInfo& info = *object;
    info.SetCallsign(callsign);
    if (!app.GetStationInfo(info)) {
        display.ShowBearing(row, "no data");
        display.AppendLog("***** No info for " + callsign + " *****" + kCrLf);
        return std::nullopt;
    }

    const DfReading reading = ParseDfText(LogInfoTexts(callsign, info, display));
    display.ShowBearing(row, BearingBoxText(reading));
    if (reading.status != DfStatus::Valid) return std::nullopt;

    const float latitude = info.Latitude();
    const geometry::MapPoint position{info.Longitude(), latitude};
    map.DrawBearingLines(position, reading.bearing, reading.accuracy);
    return StationReading{position, reading.bearing, reading.accuracy};
}

}  // namespace trivex::plot
