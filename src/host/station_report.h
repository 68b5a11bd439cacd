// The station information report: asks the host about one call-sign, logs the host's
// texts, reads the DF bearing and accuracy from the third text, shows them, draws the
// bearing lines and records position and bearing in the station table.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "host/host.h"
#include "host/stations.h"

namespace trivex {

enum class DfStatus { NoData, Invalid, Valid };

struct DfReading {
    DfStatus status = DfStatus::NoData;
    int16_t bearing = kNoBearing;
    int16_t accuracy = 0;
};

// Reads "%" bearing "%" three-digit accuracy out of the host's third information text.
DfReading ParseDfText(std::string_view infoText3);

// "270 deg +/-15", "no data" or "invalid data".
std::string BearingBoxText(const DfReading& reading);

using TextSink = std::function<void(const std::string&)>;

struct ReportContext {
    host::Host& host;          // creates the station information object
    host::UivApplication& app; // the main window's application object
    host::UivMap& map;         // the main window's map object
    int16_t lineWidth;
    StationTable& stations;
    TextSink setBearingText;   // the row's bearing box
    TextSink appendLog;        // the status log; the texts carry their own CR LF
};

// Does nothing for an empty call-sign or "Callsign". Host failures propagate as HostError.
void GetStationReport(const std::string& callsign, ReportContext& context);

}  // namespace trivex
