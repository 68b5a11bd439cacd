#include "geometry/degree_trig.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace trivex::geometry {
namespace {

TEST(SinCosOfDegrees, GivesTheCorrectlyRoundedValues) {
    // Rounded from 200-bit values of sin and cos of (degrees * 3.14159265358979) / 180.
    struct Case {
        int32_t degrees;
        double sin, cos;
    };
    const Case cases[] = {
        {0, 0.0, 1.0},                                          // north
        {30, 0x1.ffffffffffff8p-2, 0x1.bb67ae8584cadp-1},       // the short pi shows in sin 30
        {90, 1.0, 0x1.d1a62633145c0p-50},                       // east: cos just above zero
        {247, -0x1.d74c6982c665fp-1, -0x1.901bd2298fff5p-2},    // glibc's cos is one bit off here
        {270, -1.0, -0x1.4d3c9ca64f450p-48},                    // mingw's x87 cos has 20 good bits here
        {1237, 0x1.901bd22990119p-2, -0x1.d74c6982c6621p-1},    // glibc's sin is one bit off here
        {-65535, -0x1.0907dc192b203p-2, 0x1.ee8dd4748ca69p-1},  // ends of bearing +/- accuracy
        {65534, 0x1.ef74bf2e42251p-3, 0x1.f0ca99f79c38bp-1},    //
    };
    for (const Case& c : cases) {
        const SinCos result = SinCosOfDegrees(c.degrees);
        EXPECT_EQ(result.sin, c.sin) << c.degrees << " degrees: " << std::hexfloat << result.sin;
        EXPECT_EQ(result.cos, c.cos) << c.degrees << " degrees: " << std::hexfloat << result.cos;
    }
}

TEST(SinCosOfDegrees, IsCorrectlyRoundedForEveryBearingPlusOrMinusAccuracy) {
    // FNV-1a over the bytes of sin and cos for -65535..65534 degrees, computed from 160-bit values.
    uint64_t hash = 0xcbf29ce484222325;
    for (int32_t degrees = -65535; degrees <= 65534; ++degrees) {
        const SinCos result = SinCosOfDegrees(degrees);
        for (const double value : {result.sin, result.cos}) {
            const auto bits = std::bit_cast<uint64_t>(value);
            for (int shift = 0; shift < 64; shift += 8)
                hash = (hash ^ ((bits >> shift) & 0xFF)) * 0x100000001b3;
        }
    }
    EXPECT_EQ(hash, 0xe128dfca05aff52cu);
}

}  // namespace
}  // namespace trivex::geometry
