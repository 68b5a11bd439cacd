#include "demo_scenario.h"

namespace trivex::demo {

const char* const kBuiltInScenario = R"json({
  "settings": "[SETUP]\r\nLEFT=120\r\nTOP=1200\r\nIgnoreDistance=4\r\nPlotLineThickness=2\r\nCallSign1=G4DFA\r\nCallSign2=G3RDF\r\nCallSign3=M0FOX\r\nCallSign4=G8HNT\r\nCallSign5=2E0TRK\r\n",
  "map": {"widthPixels": 560, "heightPixels": 420, "widthUnits": 72, "heightUnits": -36,
          "leftEdge": -96, "topEdge": 3108},
  "stations": [
    {"callsign": "G4DFA", "latitude": 3097.2, "longitude": -73.2, "infoText1": "DF station north-west",
     "infoText2": "portable Doppler", "infoText3": "DF %137%004"},
    {"callsign": "G3RDF", "latitude": 3094.8, "longitude": -37.2, "infoText1": "DF station north-east",
     "infoText2": "fixed Adcock", "infoText3": "DF %236%006"},
    {"callsign": "M0FOX", "latitude": 3078.0, "longitude": -42.0, "infoText1": "DF station south-east",
     "infoText2": "mobile", "infoText3": "DF %315%003"},
    {"callsign": "G8HNT", "latitude": 3076.8, "longitude": -70.8, "infoText1": "DF station south-west",
     "infoText2": "hand-held yagi", "infoText3": "DF %041%008"},
    {"callsign": "2E0TRK", "latitude": 3088.2, "longitude": -81.0, "infoText1": "DF station west",
     "infoText2": "mobile", "infoText3": "DF %093%005"}
  ]
})json";

simkit::Scenario LoadScenario(const std::string& path, const settings::FileRead& file) {
    if (file.error) throw simkit::ScenarioError(path + ": " + *file.error);
    if (!file.bytes) return simkit::ReadScenario(kBuiltInScenario);
    try {
        return simkit::ReadScenario(*file.bytes);
    } catch (const simkit::ScenarioError& error) {
        throw simkit::ScenarioError(path + ": " + error.what());
    }
}

}  // namespace trivex::demo
