#include "simkit/hunts.h"

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "geometry/bearing_fit.h"
#include "geometry/great_circle.h"
#include "host/sim/sim_host.h"
#include "plot/plot_estimate.h"
#include "plot/plotter.h"

namespace trivex::simkit {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kKmPerMinute = 6371.0 * kPi / (180.0 * 60.0);

// Uniform and normal numbers from the fully specified 64-bit Mersenne twister alone, so that
// a seed gives the same hunts with every standard library.
class Random {
  public:
    explicit Random(uint64_t seed) : engine_(seed) {}
    double Uniform(double low, double high) { return low + (high - low) * Unit(); }
    int Whole(int low, int high) { return low + static_cast<int>(Unit() * (high - low + 1)); }
    double Normal() {  // Box-Muller
        const double u = 1.0 - Unit();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(2 * kPi * Unit());
    }

  private:
    double Unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    std::mt19937_64 engine_;
};

class NoDisplay : public plot::PlotDisplay {
  public:
    void ShowBearing(int, const std::string&) override {}
    void AppendLog(const std::string&) override {}
    void ShowIntersections(const std::vector<std::string>&) override {}
    void ShowSolution(const std::string&, const std::string&) override {}
    void ShowFixObject(const std::string&) override {}
};

struct Hunt {
    geometry::GeoPoint transmitter;
    std::vector<geometry::BearingReading> truth;  // the true bearings with the stated accuracies' deviations
    std::vector<sim::Station> stations;
    std::optional<int> reflected;
};

// "DF report %BBB%AAA": the bearing written in whole degrees, as the host keeps it.
std::string DfText(double bearing, int accuracy) {
    const long whole = std::lround(bearing);
    char text[32];
    std::snprintf(text, sizeof text, "DF report %%%03ld%%%03d", ((whole % 360) + 360) % 360, accuracy);
    return text;
}

Hunt MakeHunt(Random& random, bool reflect) {
    Hunt hunt;
    hunt.transmitter = {random.Uniform(-60, 60), random.Uniform(-170, 170)};
    const int count = random.Whole(3, 5);
    if (reflect && count >= 4) hunt.reflected = random.Whole(0, count - 1);
    for (int row = 0; row < count; ++row) {
        const double bearingFrom = random.Uniform(0, 360) * kPi / 180;
        const double km = random.Uniform(3, 40);
        const geometry::GeoPoint place =
            geometry::Offset(hunt.transmitter, km * std::sin(bearingFrom), km * std::cos(bearingFrom));
        sim::Station station;
        station.callsign = "DF" + std::to_string(row + 1);
        station.latitude = static_cast<float>(place.latDeg * 60);
        station.longitude = static_cast<float>(place.lonDeg * 60);
        const geometry::GeoPoint at{station.latitude / 60.0, station.longitude / 60.0};
        const double truth =
            geometry::GreatCircle(at.latDeg, at.lonDeg, hunt.transmitter.latDeg, hunt.transmitter.lonDeg)
                .bearingDegrees;
        const int accuracy = random.Whole(2, 8);
        double error = accuracy * random.Normal();
        if (hunt.reflected == row) error = (random.Whole(0, 1) ? 1 : -1) * random.Uniform(20, 40);
        station.infoText3 = DfText(truth + error, accuracy);
        hunt.truth.push_back({row, at, truth, plot::BearingSigmaDeg(accuracy)});
        hunt.stations.push_back(std::move(station));
    }
    return hunt;
}

// A view 100 km wide around the transmitter whose scale is true at its centre.
sim::MapArea ViewAround(geometry::GeoPoint transmitter) {
    sim::MapArea view;
    const double aspect = std::cos(transmitter.latDeg * kPi / 180);
    view.widthUnits = static_cast<float>(100 / (kKmPerMinute * aspect));
    view.heightUnits = static_cast<float>(-aspect * view.widthUnits * view.heightPixels / view.widthPixels);
    view.leftEdge = static_cast<float>(transmitter.lonDeg * 60 - view.widthUnits / 2);
    view.topEdge = static_cast<float>(transmitter.latDeg * 60 - view.heightUnits / 2);
    return view;
}

double KmBetween(geometry::GeoPoint a, geometry::GeoPoint b) {
    return geometry::GreatCircle(a.latDeg, a.lonDeg, b.latDeg, b.lonDeg).distanceKm;
}

bool EllipseHolds(const geometry::BestEstimate& estimate, geometry::GeoPoint transmitter) {
    const geometry::GreatCircleLeg leg = geometry::GreatCircle(
        estimate.position.latDeg, estimate.position.lonDeg, transmitter.latDeg, transmitter.lonDeg);
    const double off = (leg.bearingDegrees - estimate.axisBearingDeg) * kPi / 180;
    const double along = leg.distanceKm * std::cos(off) / estimate.semiMajorKm;
    const double across = leg.distanceKm * std::sin(off) / estimate.semiMinorKm;
    return along * along + across * across <= 1.0;
}

HuntOutcome Play(const Hunt& hunt) {
    sim::SimHost host;
    host.map = ViewAround(hunt.transmitter);
    host.stations = hunt.stations;
    const std::unique_ptr<host::UivApplication> app = host.NewApplication();
    const std::unique_ptr<host::UivMap> map = app->GetMap();
    plot::CallSigns callSigns;
    for (size_t row = 0; row < hunt.stations.size(); ++row) callSigns[row] = hunt.stations[row].callsign;
    plot::Plotter plotter;
    NoDisplay display;
    plotter.Plot(callSigns, {host, *app, *map}, {1, 200000.0, false}, display);

    HuntOutcome outcome;
    outcome.reflected = hunt.reflected.has_value();
    if (const std::optional<geometry::EastNorth2x2> bound =
            geometry::CovarianceAt(hunt.truth, hunt.transmitter))
        outcome.boundKm = std::sqrt(bound->ee + bound->nn);
    const plot::PlotReview& review = plotter.LastReview();
    if (review.fix)
        outcome.fixMissKm = KmBetween(hunt.transmitter, {review.fix->y / 60.0, review.fix->x / 60.0});
    const std::optional<geometry::BestEstimate> estimate = plot::EstimateOf(review);
    if (!estimate) return outcome;
    outcome.estimateMissKm = KmBetween(hunt.transmitter, estimate->position);
    outcome.ellipseHolds = EllipseHolds(*estimate, hunt.transmitter);
    for (const geometry::LeftOutBearing& left : estimate->leftOut) {
        if (left.row == hunt.reflected)
            outcome.reflectedLeftOut = true;
        else
            ++outcome.othersLeftOut;
    }
    return outcome;
}

}  // namespace

std::vector<HuntOutcome> PlayHunts(const HuntOptions& options) {
    Random random(options.seed);
    std::vector<HuntOutcome> outcomes;
    for (int i = 0; i < options.hunts; ++i) outcomes.push_back(Play(MakeHunt(random, options.reflect)));
    return outcomes;
}

}  // namespace trivex::simkit
