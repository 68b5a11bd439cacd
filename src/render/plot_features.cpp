#include "plot_features.h"

#include <algorithm>

#include "geometry/ellipse_outline.h"
#include "plot/df_reading.h"
#include "plot/plot_map.h"

namespace trivex::render {

namespace {

constexpr host::Colour kMinusAccuracyColour = 0x0000FF;
constexpr host::Colour kPlusAccuracyColour = 0x00FF00;

const char* LineKind(host::Colour colour) {
    if (colour == kMinusAccuracyColour) return "minusAccuracy";
    if (colour == kPlusAccuracyColour) return "plusAccuracy";
    return "bearing";
}

std::optional<std::string> LineStation(const MapPicture::Line& line, const plot::StationTable& stations) {
    for (const plot::StationEntry& entry : stations)
        if (entry.Bearing != geometry::kNoBearing && entry.LonMinutes == line.x1 &&
            entry.LatMinutes == line.y1)
            return entry.Callsign;
    return std::nullopt;
}

}  // namespace

std::optional<int> StationAccuracy(const std::string& callsign,
                                   const std::vector<sim::Station>& hostStations) {
    for (const sim::Station& station : hostStations) {
        if (station.callsign != callsign) continue;
        const plot::DfReading reading = plot::ParseDfText(station.infoText3);
        if (reading.status == plot::DfStatus::Valid) return reading.accuracy;
    }
    return std::nullopt;
}

std::vector<BearingLine> BearingLines(const MapPicture& drawing, const plot::StationTable& stations) {
    std::vector<BearingLine> lines;
    for (const MapPicture::Line& line : drawing.lines)
        if (line.colour != plot::kEstimateColour)
            lines.push_back({&line, LineKind(line.colour), LineStation(line, stations)});
    return lines;
}

std::vector<std::array<double, 2>> EllipseRing(const geometry::BestEstimate& estimate) {
    std::vector<std::array<double, 2>> ring;
    for (const geometry::GeoPoint& point : geometry::EllipseOutline(estimate))
        ring.push_back({point.lonDeg, point.latDeg});
    if (ring.empty()) return ring;
    std::reverse(ring.begin(), ring.end());  // the outline runs clockwise
    ring.push_back(ring.front());
    return ring;
}

}  // namespace trivex::render
