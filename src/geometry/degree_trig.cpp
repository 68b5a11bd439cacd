#include "geometry/degree_trig.h"

#include <array>
#include <cmath>
#include <optional>

namespace trivex::geometry {

double Radians(int32_t degrees) {
    return (degrees * kPi) / 180;
}

namespace {

// A double-double: the unevaluated sum hi + lo with |lo| <= ulp(hi) / 2, good to about 2^-104.
struct Wide {
    double hi = 0.0;
    double lo = 0.0;
};

Wide QuickTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

Wide TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// Dekker's split and product: exact with plain double arithmetic, no fused multiply-add needed.
Wide Split(double a) {
    const double c = 134217729.0 * a;  // 2^27 + 1
    const double hi = c - (c - a);
    return {hi, a - hi};
}

Wide TwoProduct(double a, double b) {
    const double p = a * b;
    const Wide x = Split(a);
    const Wide y = Split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

Wide Add(Wide a, Wide b) {
    Wide s = TwoSum(a.hi, b.hi);
    const Wide t = TwoSum(a.lo, b.lo);
    s = QuickTwoSum(s.hi, s.lo + t.hi);
    return QuickTwoSum(s.hi, s.lo + t.lo);
}

Wide Multiply(Wide a, Wide b) {
    const Wide p = TwoProduct(a.hi, b.hi);
    return QuickTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

Wide Divide(Wide a, double d) {
    const double q1 = a.hi / d;
    const Wide p = TwoProduct(q1, d);
    const double q2 = (((a.hi - p.hi) - p.lo) + a.lo) / d;
    return QuickTwoSum(q1, q2);
}

Wide Negate(Wide a) {
    return {-a.hi, -a.lo};
}

// pi/2 in four parts; the first three have at most 33 significant bits, so n × part is
// exact for |n| < 2^20.
constexpr double kHalfPi1 = 0x1.921fb54400000p+0;
constexpr double kHalfPi2 = 0x1.0b4611a600000p-34;
constexpr double kHalfPi3 = 0x1.3198a2e000000p-69;
constexpr double kHalfPi4 = 0x1.b839a252049c1p-104;

// x - n × pi/2. The first subtraction is exact because x lies within a factor of two of n × kHalfPi1.
Wide ReduceByHalfPi(double x, double n) {
    Wide t{x - n * kHalfPi1, 0.0};
    t = Add(t, {-n * kHalfPi2, 0.0});
    t = Add(t, {-n * kHalfPi3, 0.0});
    return Add(t, {-n * kHalfPi4, 0.0});
}

// Taylor series of sin (first = t, first index 1) or cos (first = 1, first index 0) for |t| <= pi/4.
Wide Series(Wide t, Wide first, int firstIndex) {
    const Wide t2 = Multiply(t, t);
    Wide term = first;
    Wide sum = first;
    for (int i = firstIndex; std::fabs(term.hi) > 0x1p-110; i += 2) {
        term = Negate(Divide(Divide(Multiply(term, t2), i + 1), i + 2));
        sum = Add(sum, term);
    }
    return sum;
}

SinCos ComputeSinCos(int32_t degrees) {
    const double x = Radians(degrees);
    const double n = std::nearbyint(x / kHalfPi1);
    const Wide t = ReduceByHalfPi(x, n);
    const double s = Series(t, t, 1).hi;
    const double c = Series(t, {1.0, 0.0}, 0).hi;
    switch (static_cast<int32_t>(n) & 3) {
        case 0:
            return {s, c};
        case 1:
            return {c, -s};
        case 2:
            return {-s, -c};
        default:
            return {-c, s};
    }
}

// The angles of bearing lines, bearings 0 to 360 plus or minus an accuracy of up to 999.
constexpr int32_t kFirstKept = -999;
constexpr int32_t kLastKept = 1359;

}  // namespace

// Every plot asks for the same few dozen angles, and each series costs thousands of
// instructions: the angles of bearing lines are computed once and kept.
SinCos SinCosOfDegrees(int32_t degrees) {
    if (degrees < kFirstKept || degrees > kLastKept) return ComputeSinCos(degrees);
    static std::array<std::optional<SinCos>, kLastKept - kFirstKept + 1> kept;
    std::optional<SinCos>& angle = kept[static_cast<size_t>(degrees - kFirstKept)];
    if (!angle) angle = ComputeSinCos(degrees);
    return *angle;
}

}  // namespace trivex::geometry
