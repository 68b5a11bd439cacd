#include "kml.h"

#include <cstdio>

#include "geometry/position_text.h"
#include "plot/estimate_log.h"
#include "plot_features.h"
#include "support/numeric.h"

namespace trivex::render {

namespace {

using Coordinates = std::vector<std::array<double, 2>>;  // longitude, latitude in degrees

constexpr const char* kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n<name>Trivex plot</name>\n";

// Each style's line colour, aabbggrr as KML writes it: the host's 0x00BBGGRR made opaque.
struct Style {
    const char* id;
    unsigned colour;
};
constexpr Style kStyles[] = {
    {"station", 0x9C4E1F},  {"bearing", 0x000000}, {"minusAccuracy", 0x0000FF}, {"plusAccuracy", 0x00FF00},
    {"crossing", 0xFFFF00}, {"fix", 0x1E1EB4},     {"estimate", 0xFF00FF},      {"transmitter", 0x327D2E},
};

// Bytes beyond ASCII are taken as Latin-1; control characters, which XML cannot hold, as '?'.
std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (byte >= 0x80)
            out += "&#" + std::to_string(byte) + ";";
        else if (byte < 0x20 && c != '\n')
            out += '?';
        else
            out += c;
    }
    return out;
}

std::string StyleText(const Style& style) {
    char colour[16];
    std::snprintf(colour, sizeof colour, "ff%06x", style.colour);
    return std::string("<Style id=\"") + style.id + "\"><IconStyle><color>" + colour +
           "</color></IconStyle><LineStyle><color>" + colour +
           "</color><width>2</width></LineStyle><PolyStyle><fill>0</fill></PolyStyle></Style>\n";
}

std::string CoordinatesText(const Coordinates& points) {
    std::string text;
    for (const auto& [lon, lat] : points) {
        if (!text.empty()) text += ' ';
        text += support::ShortestText(lon) + "," + support::ShortestText(lat);
    }
    return "<coordinates>" + text + "</coordinates>";
}

std::array<double, 2> Degrees(geometry::MapPoint point) {
    return {static_cast<double>(point.x) / 60.0, static_cast<double>(point.y) / 60.0};
}

std::string Point(const std::array<double, 2>& at) {
    return "<Point>" + CoordinatesText({at}) + "</Point>";
}

std::string Placemark(const std::string& name, const std::string& style, const std::string& description,
                      const std::string& geometry) {
    return "<Placemark><name>" + Escaped(name) + "</name>" +
           (description.empty() ? "" : "<description>" + Escaped(description) + "</description>") +
           "<styleUrl>#" + style + "</styleUrl>" + geometry + "</Placemark>\n";
}

// A folder of the placemarks; nothing when there are none.
std::string Folder(const std::string& name, const std::string& placemarks) {
    return placemarks.empty() ? "" : "<Folder><name>" + name + "</name>\n" + placemarks + "</Folder>\n";
}

std::string Stations(const plot::PlotReview& review, const std::vector<sim::Station>& hostStations) {
    std::string placemarks;
    for (int row = 0; row < plot::kStationCount; ++row) {
        const plot::StationEntry& entry = review.stations[row];
        if (entry.Bearing == geometry::kNoBearing) continue;
        const std::optional<int> accuracy = StationAccuracy(entry.Callsign, hostStations);
        placemarks +=
            Placemark(entry.Callsign, "station",
                      "row " + std::to_string(row + 1) + ", bearing " + std::to_string(entry.Bearing) +
                          " deg" + (accuracy ? " +/-" + std::to_string(*accuracy) : ""),
                      Point(Degrees({entry.LonMinutes, entry.LatMinutes})));
    }
    return placemarks;
}

std::string Lines(const plot::PlotReview& review, const MapPicture& drawing) {
    std::string placemarks;
    for (const BearingLine& drawn : BearingLines(drawing, review.stations)) {
        const MapPicture::Line& line = *drawn.line;
        placemarks += Placemark(
            drawn.station ? *drawn.station + " " + drawn.kind : drawn.kind, drawn.kind, "",
            "<LineString>" + CoordinatesText({Degrees({line.x1, line.y1}), Degrees({line.x2, line.y2})}) +
                "</LineString>");
    }
    return placemarks;
}

std::string Crossings(const plot::PlotReview& review) {
    std::string placemarks;
    for (const plot::PairOutcome& pair : review.pairs)
        if (pair.verdict == plot::PairVerdict::Accepted)
            placemarks += Placemark(plot::PairName(pair), "crossing", "", Point(Degrees(*pair.crossing)));
    return placemarks;
}

std::string Estimate(const geometry::BestEstimate& estimate, const plot::StationTable& stations) {
    std::string lines = plot::EstimateLines(estimate, stations);
    std::erase(lines, '\r');
    const geometry::GeoPoint& at = estimate.position;
    std::string placemarks = Placemark("Best estimate", "estimate", lines, Point({at.lonDeg, at.latDeg}));
    const Coordinates ring = EllipseRing(estimate);
    if (!ring.empty())
        placemarks += Placemark("95% ellipse", "estimate", "",
                                "<Polygon><outerBoundaryIs><LinearRing>" + CoordinatesText(ring) +
                                    "</LinearRing></outerBoundaryIs></Polygon>");
    return placemarks;
}

}  // namespace

std::string KmlText(const plot::PlotReview& review, const MapPicture& drawing,
                    const std::vector<sim::Station>& hostStations,
                    const std::optional<geometry::BestEstimate>& estimate,
                    const std::optional<geometry::MapPoint>& transmitter) {
    std::string out = kHeader;
    for (const Style& style : kStyles) out += StyleText(style);
    out += Folder("Stations", Stations(review, hostStations));
    out += Folder("Bearing lines", Lines(review, drawing));
    out += Folder("Crossings", Crossings(review));
    if (review.fix)
        out += Folder("Fix", Placemark("Fix", "fix", geometry::FormatPosition(review.fix->y, review.fix->x),
                                       Point(Degrees(*review.fix))));
    if (estimate) out += Folder("Best estimate", Estimate(*estimate, review.stations));
    if (transmitter)
        out +=
            Folder("Transmitter", Placemark("Transmitter", "transmitter", "", Point(Degrees(*transmitter))));
    return out + "</Document>\n</kml>\n";
}

}  // namespace trivex::render
