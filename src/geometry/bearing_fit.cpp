#include "geometry/bearing_fit.h"

#include <algorithm>
#include <cmath>

namespace trivex::geometry {
namespace {

constexpr double kEarthRadiusKm = 6371.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;

struct Vec {
    double x, y, z;
};
Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator*(double k, Vec a) {
    return {k * a.x, k * a.y, k * a.z};
}
double Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec Cross(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec UnitOf(GeoPoint p) {
    const double phi = p.latDeg * kRad;
    const double lambda = p.lonDeg * kRad;
    return {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
}

GeoPoint PointOf(Vec v) {
    return {std::atan2(v.z, std::hypot(v.x, v.y)) / kRad, std::atan2(v.y, v.x) / kRad};
}

// The unit vectors east and north at a point.
struct Frame {
    Vec east, north;
};
Frame FrameAt(GeoPoint p) {
    const double phi = p.latDeg * kRad;
    const double lambda = p.lonDeg * kRad;
    return {{-std::sin(lambda), std::cos(lambda), 0.0},
            {-std::sin(phi) * std::cos(lambda), -std::sin(phi) * std::sin(lambda), std::cos(phi)}};
}

// Into [-180, 180].
double AroundCircle(double degrees) {
    return degrees - 360.0 * std::round(degrees / 360.0);
}

// A reading as seen from a point: its residual, and how the bearing to the point changes as
// the point moves east and north (deg/km).
struct Sight {
    double residualDeg;
    double dEast, dNorth;
};

std::optional<Sight> SightOf(const BearingReading& reading, Vec point, const Frame& at) {
    const Frame station = FrameAt(reading.station);
    const double north = Dot(point, station.north);
    const double east = Dot(point, station.east);
    const double squared = north * north + east * east;  // sin^2 of the distance
    if (squared < 1e-18) return std::nullopt;            // on the station or its antipode
    const Vec gradient = (1.0 / squared) * (north * station.east + -east * station.north);
    const double perKm = 1.0 / (kRad * kEarthRadiusKm);
    return Sight{AroundCircle(reading.bearingDeg - std::atan2(east, north) / kRad),
                 Dot(gradient, at.east) * perKm, Dot(gradient, at.north) * perKm};
}

// At a point: the information matrix (1/km^2) and the weighted residuals along the gradients,
// the step of Gauss-Newton's normal equations.
struct Normal {
    EastNorth2x2 information;
    double east = 0.0, north = 0.0;
};

std::optional<Normal> NormalAt(const std::vector<BearingReading>& readings, GeoPoint point) {
    const Vec unit = UnitOf(point);
    const Frame frame = FrameAt(point);
    Normal normal;
    for (const BearingReading& reading : readings) {
        const std::optional<Sight> sight = SightOf(reading, unit, frame);
        if (!sight) return std::nullopt;
        const double weight = 1.0 / (reading.sigmaDeg * reading.sigmaDeg);
        normal.information.ee += weight * sight->dEast * sight->dEast;
        normal.information.en += weight * sight->dEast * sight->dNorth;
        normal.information.nn += weight * sight->dNorth * sight->dNorth;
        normal.east += weight * sight->dEast * sight->residualDeg;
        normal.north += weight * sight->dNorth * sight->residualDeg;
    }
    return normal;
}

// Empty when one direction is known a million times less well than the other: the readings
// then fix a line, not a point (bearings along one great circle leave only rounding across it).
std::optional<EastNorth2x2> Inverse(const EastNorth2x2& m) {
    const double det = m.ee * m.nn - m.en * m.en;
    const double trace = m.ee + m.nn;
    if (!(det > 1e-12 * trace * trace) || !std::isfinite(det)) return std::nullopt;
    return EastNorth2x2{m.nn / det, -m.en / det, m.ee / det};
}

struct Descent {
    GeoPoint point;
    double chiSquare = 0.0;
    double damping = 1e-3;
};

// One step of Levenberg-Marquardt: the damping is raised until the step does not raise the
// chi-square, and lowered after it. How far it moved (0: no such step); empty where the
// readings fix no point.
std::optional<double> StepDown(const std::vector<BearingReading>& readings, Descent& descent) {
    const std::optional<Normal> normal = NormalAt(readings, descent.point);
    if (!normal) return std::nullopt;
    const EastNorth2x2& m = normal->information;
    for (; descent.damping < 1e12; descent.damping *= 10) {
        const std::optional<EastNorth2x2> inverse =
            Inverse({m.ee * (1 + descent.damping), m.en, m.nn * (1 + descent.damping)});
        if (!inverse) return std::nullopt;
        const double east = inverse->ee * normal->east + inverse->en * normal->north;
        const double north = inverse->en * normal->east + inverse->nn * normal->north;
        const GeoPoint next = Offset(descent.point, east, north);
        const double chiSquare = ChiSquareAt(readings, next);
        if (chiSquare <= descent.chiSquare) {
            descent = {next, chiSquare, std::max(descent.damping / 10, 1e-9)};
            return std::hypot(east, north);
        }
    }
    return 0.0;
}

}  // namespace

double ChiSquareAt(const std::vector<BearingReading>& readings, GeoPoint point) {
    const Vec unit = UnitOf(point);
    double sum = 0.0;
    for (const BearingReading& reading : readings) {
        const Frame station = FrameAt(reading.station);
        const double predicted = std::atan2(Dot(unit, station.east), Dot(unit, station.north)) / kRad;
        const double z = AroundCircle(reading.bearingDeg - predicted) / reading.sigmaDeg;
        sum += z * z;
    }
    return sum;
}

std::optional<EastNorth2x2> CovarianceAt(const std::vector<BearingReading>& readings, GeoPoint point) {
    const std::optional<Normal> normal = NormalAt(readings, point);
    if (!normal) return std::nullopt;
    return Inverse(normal->information);
}

GeoPoint Offset(GeoPoint from, double eastKm, double northKm) {
    const double km = std::hypot(eastKm, northKm);
    if (km == 0.0) return from;
    const Frame frame = FrameAt(from);
    const Vec direction = (eastKm / km) * frame.east + (northKm / km) * frame.north;
    const double angle = km / kEarthRadiusKm;
    return PointOf(std::cos(angle) * UnitOf(from) + std::sin(angle) * direction);
}

std::optional<BearingFit> FitBearings(const std::vector<BearingReading>& readings, GeoPoint start) {
    constexpr int kMostSteps = 100;
    constexpr double kSettledKm = 1e-7;
    Descent descent{start, ChiSquareAt(readings, start)};
    for (int step = 0; step < kMostSteps; ++step) {
        const std::optional<double> moved = StepDown(readings, descent);
        if (!moved) return std::nullopt;
        if (*moved < kSettledKm) break;
    }
    const std::optional<EastNorth2x2> covariance = CovarianceAt(readings, descent.point);
    if (!covariance) return std::nullopt;
    return BearingFit{descent.point, descent.chiSquare, *covariance};
}

bool InFrontOfEvery(const std::vector<BearingReading>& readings, GeoPoint point) {
    const Vec unit = UnitOf(point);
    const Frame frame = FrameAt(point);
    for (const BearingReading& reading : readings) {
        const std::optional<Sight> sight = SightOf(reading, unit, frame);
        if (!sight || std::fabs(sight->residualDeg) >= 90.0 || Dot(unit, UnitOf(reading.station)) <= 0.0)
            return false;
    }
    return true;
}

double ReachAlong(const std::vector<BearingReading>& readings, const BearingFit& fit, double bearingDeg,
                  double rise, double limitKm) {
    const double east = std::sin(bearingDeg * kRad);
    const double north = std::cos(bearingDeg * kRad);
    const auto risen = [&](double km) {
        return ChiSquareAt(readings, Offset(fit.point, east * km, north * km)) - fit.chiSquare >= rise;
    };
    // From the linearised ellipse's extent that way, outwards by half again until the rise is passed.
    const EastNorth2x2& c = fit.covariance;
    const double variance = east * east * c.ee + 2 * east * north * c.en + north * north * c.nn;
    double inside = 0.0;
    double outside = std::min(std::sqrt(rise * variance), limitKm);
    while (!risen(outside)) {
        if (outside >= limitKm) return limitKm;
        inside = outside;
        outside = std::min(outside * 1.5, limitKm);
    }
    for (int halving = 0; halving < 30; ++halving) {
        const double middle = (inside + outside) / 2;
        (risen(middle) ? outside : inside) = middle;
    }
    return outside;
}

std::optional<GeoPoint> CrossingOf(const BearingReading& first, const BearingReading& second) {
    const auto directionOf = [](const BearingReading& reading) {
        const Frame frame = FrameAt(reading.station);
        const double b = reading.bearingDeg * kRad;
        return std::cos(b) * frame.north + std::sin(b) * frame.east;
    };
    const Vec d1 = directionOf(first);
    const Vec d2 = directionOf(second);
    Vec meet = Cross(Cross(UnitOf(first.station), d1), Cross(UnitOf(second.station), d2));
    const double length = std::sqrt(Dot(meet, meet));
    if (length < 1e-12) return std::nullopt;
    meet = (1.0 / length) * meet;
    if (Dot(meet, d1) < 0) meet = -1.0 * meet;
    if (Dot(meet, d1) <= 0 || Dot(meet, d2) <= 0) return std::nullopt;
    return PointOf(meet);
}

}  // namespace trivex::geometry
