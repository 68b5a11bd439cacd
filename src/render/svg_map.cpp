#include "svg_map.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "geometry/ellipse_outline.h"
#include "geometry/position_text.h"
#include "plot/pair_review.h"
#include "plot/plot_map.h"

namespace trivex::render {

namespace {

constexpr host::Colour kStationColour = 0x9C4E1F;      // 0x00BBGGRR, a dark blue
constexpr host::Colour kObjectColour = 0x1E1EB4;       // a dark red
constexpr host::Colour kTransmitterColour = 0x327D2E;  // a dark green
constexpr const char* kPaper = "#f6f3ea";
constexpr const char* kGrid = "#d6d0c0";
constexpr int kMaxGridLines = 8;
constexpr float kMinutesPerDegree = 60.0f;

std::string Number(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text(buffer, result.ptr);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string ColourText(host::Colour colour) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return buffer;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Map units to pixels, north up whatever the sign of the view's height.
class Projection {
  public:
    explicit Projection(const sim::MapArea& view)
        : view_(view),
          width_(std::max<int>(view.widthPixels, 1)),
          height_(std::max<int>(view.heightPixels, 1)),
          perX_(view.widthUnits != 0 ? width_ / std::fabs(static_cast<double>(view.widthUnits)) : 1.0),
          perY_(view.heightUnits != 0 ? height_ / std::fabs(static_cast<double>(view.heightUnits)) : 1.0) {}
    double X(float x) const { return (x - view_.leftEdge) * perX_; }
    double Y(float y) const { return (view_.topEdge - y) * perY_; }
    double Length(float units) const { return units * perX_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    sim::MapArea view_;
    int width_;
    int height_;
    double perX_;
    double perY_;
};

// Grid values within [low, high], at most kMaxGridLines of them: multiples of the smallest
// usual step in minutes that gives so few.
std::vector<float> GridValues(float low, float high) {
    constexpr std::array<float, 11> kSteps{1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 1800};
    std::vector<float> values;
    if (!(high > low)) return values;
    const auto step = std::find_if(kSteps.begin(), kSteps.end(),
                                   [&](float s) { return (high - low) / s <= kMaxGridLines; });
    if (step == kSteps.end()) return values;
    const double first = std::ceil(low / *step);
    for (int i = 0; i <= kMaxGridLines; ++i) {
        const auto value = static_cast<float>((first + i) * *step);
        if (value <= high) values.push_back(value);
    }
    return values;
}

void WriteGrid(std::string& out, const sim::MapArea& view, const Projection& at) {
    const float right = view.leftEdge + std::fabs(view.widthUnits);
    const float bottom = view.topEdge - std::fabs(view.heightUnits);
    out += "<g stroke=\"" + std::string(kGrid) + "\" stroke-width=\"1\" font-size=\"10\" fill=\"#8a8270\">\n";
    for (float x : GridValues(view.leftEdge, right)) {
        const std::string px = Number(at.X(x));
        out +=
            "<line x1=\"" + px + "\" y1=\"0\" x2=\"" + px + "\" y2=\"" + std::to_string(at.Height()) + "\"/>";
        out += "<text stroke=\"none\" x=\"" + Number(at.X(x) + 3) + "\" y=\"" +
               std::to_string(at.Height() - 4) + "\">" + geometry::FormatCoordinate(x, true) + "</text>\n";
    }
    for (float y : GridValues(bottom, view.topEdge)) {
        const std::string py = Number(at.Y(y));
        out +=
            "<line x1=\"0\" y1=\"" + py + "\" x2=\"" + std::to_string(at.Width()) + "\" y2=\"" + py + "\"/>";
        out += "<text stroke=\"none\" x=\"3\" y=\"" + Number(at.Y(y) - 3) + "\">" +
               geometry::FormatCoordinate(y, false) + "</text>\n";
    }
    out += "</g>\n";
}

void WriteDrawing(std::string& out, const MapPicture& picture, const Projection& at) {
    out += "<g fill=\"none\" stroke-linecap=\"round\">\n";
    for (const MapPicture::Line& line : picture.lines)
        out += "<line x1=\"" + Number(at.X(line.x1)) + "\" y1=\"" + Number(at.Y(line.y1)) + "\" x2=\"" +
               Number(at.X(line.x2)) + "\" y2=\"" + Number(at.Y(line.y2)) + "\" stroke=\"" +
               ColourText(line.colour) + "\" stroke-width=\"" + std::to_string(line.width) + "\"/>\n";
    for (const MapPicture::Circle& circle : picture.circles)
        out += "<circle cx=\"" + Number(at.X(circle.x)) + "\" cy=\"" + Number(at.Y(circle.y)) + "\" r=\"" +
               Number(at.Length(circle.radius)) + "\" stroke=\"" + ColourText(circle.markerColour) +
               "\" stroke-width=\"" + std::to_string(circle.width) + "\"/>\n";
    out += "</g>\n";
}

void WriteLabelled(std::string& out, const std::string& mark, double x, double y, const std::string& label,
                   host::Colour colour) {
    const std::string fill = ColourText(colour);
    out += "<g fill=\"" + fill + "\" transform=\"translate(" + Number(x) + " " + Number(y) + ")\">" + mark +
           "<text x=\"7\" y=\"-6\" stroke=\"" + kPaper + "\" stroke-width=\"3\" paint-order=\"stroke\">" +
           Escaped(label) + "</text></g>\n";
}

void WriteStationsAndObjects(std::string& out, const MapPicture& picture,
                             const std::vector<sim::Station>& stations, const Projection& at) {
    out += "<g font-size=\"12\" font-weight=\"bold\">\n";
    for (const sim::Station& station : stations)
        WriteLabelled(out, "<rect x=\"-4\" y=\"-4\" width=\"8\" height=\"8\"/>", at.X(station.longitude),
                      at.Y(station.latitude), station.callsign, kStationColour);
    for (const sim::ObjectRecord& object : picture.objects)
        WriteLabelled(out, "<path d=\"M0 -6 L6 0 L0 6 L-6 0 Z\"/>",
                      at.X(object.longitude * kMinutesPerDegree), at.Y(object.latitude * kMinutesPerDegree),
                      object.name, kObjectColour);
    out += "</g>\n";
}

bool InView(const Projection& at, double x, double y) {
    return x >= 0 && x <= at.Width() && y >= 0 && y <= at.Height();
}

// Faint rings at the rejected crossings, each titled with its pair's line.
void WriteRejected(std::string& out, const std::vector<plot::PairOutcome>& pairs, const Projection& at) {
    out += "<g fill=\"none\" stroke=\"#6b6b6b\" stroke-opacity=\"0.45\" stroke-dasharray=\"2 2\">\n";
    for (const plot::PairOutcome& pair : pairs) {
        if (pair.verdict == plot::PairVerdict::Accepted || !pair.crossing) continue;
        const double x = at.X(pair.crossing->x);
        const double y = at.Y(pair.crossing->y);
        if (!InView(at, x, y)) continue;
        std::string title = plot::PairLine(pair);
        title.resize(title.size() - 2);  // the line break
        out += "<circle cx=\"" + Number(x) + "\" cy=\"" + Number(y) + "\" r=\"5\"><title>" + Escaped(title) +
               "</title></circle>\n";
    }
    out += "</g>\n";
}

void WriteTransmitter(std::string& out, geometry::MapPoint transmitter, const Projection& at) {
    out += "<g font-size=\"12\" font-weight=\"bold\">\n";
    WriteLabelled(out,
                  "<path d=\"M-6 -6 L6 6 M-6 6 L6 -6\" stroke=\"" + ColourText(kTransmitterColour) +
                      "\" stroke-width=\"3\"/>",
                  at.X(transmitter.x), at.Y(transmitter.y), "transmitter", kTransmitterColour);
    out += "</g>\n";
}

// The ellipse dashed and the estimate as a cross, in the colour the program draws them on the map.
void WriteEstimate(std::string& out, const geometry::BestEstimate& estimate, const Projection& at) {
    const std::string colour = ColourText(plot::kEstimateColour);
    std::string points;
    for (const geometry::GeoPoint& point : geometry::EllipseOutline(estimate)) {
        const geometry::MapPoint p = geometry::InMapUnits(point);
        if (!points.empty()) points += ' ';
        points += Number(at.X(p.x)) + "," + Number(at.Y(p.y));
    }
    out += "<g font-size=\"12\" font-weight=\"bold\">\n";
    if (!points.empty())
        out += "<polygon points=\"" + points + "\" fill=\"none\" stroke=\"" + colour +
               "\" stroke-width=\"2\" stroke-dasharray=\"6 3\"/>\n";
    const geometry::MapPoint centre = geometry::InMapUnits(estimate.position);
    WriteLabelled(out, "<path d=\"M-6 -6 L6 6 M-6 6 L6 -6\" stroke=\"" + colour + "\" stroke-width=\"2\"/>",
                  at.X(centre.x), at.Y(centre.y), "best estimate", plot::kEstimateColour);
    out += "</g>\n";
}

}  // namespace

std::string SvgText(const MapPicture& picture, const sim::MapArea& view,
                    const std::vector<sim::Station>& stations, const MapNotes& notes) {
    const Projection at(view);
    const std::string width = std::to_string(at.Width());
    const std::string height = std::to_string(at.Height());
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height +
           "\" viewBox=\"0 0 " + width + " " + height + "\" font-family=\"sans-serif\">\n";
    out += "<title>Host map view</title>\n";
    out += "<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"" + kPaper + "\"/>\n";
    WriteGrid(out, view, at);
    WriteDrawing(out, picture, at);
    WriteRejected(out, notes.pairs, at);
    WriteStationsAndObjects(out, picture, stations, at);
    if (notes.estimate) WriteEstimate(out, *notes.estimate, at);
    if (notes.transmitter) WriteTransmitter(out, *notes.transmitter, at);
    out += "<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"none\" stroke=\"#555\"/>\n";
    return out + "</svg>\n";
}

}  // namespace trivex::render
