#include "geometry/degree_trig.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace trivex {
namespace {

TEST(SinCosOfDegrees, GivesTheCorrectlyRoundedValues) {
    // Rounded from 200-bit values of sin and cos of (degrees * 3.14159265358979) / 180.
    struct Case {
        int32_t degrees;
        double sin;
        double cos;
    };
    const Case cases[] = {
        {0, 0.0, 1.0},                                          // north
        {30, 0x1.ffffffffffff8p-2, 0x1.bb67ae8584cadp-1},       // the short pi shows in sin 30
        {45, 0x1.6a09e667f3bc7p-1, 0x1.6a09e667f3bd2p-1},       //
        {90, 1.0, 0x1.d1a62633145c0p-50},                       // east: cos just above zero
        {180, 0x1.d1a62633145c0p-49, -1.0},                     // south: sin just above zero
        {247, -0x1.d74c6982c665fp-1, -0x1.901bd2298fff5p-2},    // glibc's cos is one bit off here
        {270, -1.0, -0x1.4d3c9ca64f450p-48},                    // mingw's x87 cos has 20 good bits here
        {360, -0x1.d1a62633145c0p-48, 1.0},                     //
        {-90, -1.0, 0x1.d1a62633145c0p-50},                     // bearing minus accuracy below 0
        {-873, -0x1.d0e2e2b44defdp-2, -0x1.c83201d3d2c2dp-1},   // glibc's cos is one bit off here
        {1237, 0x1.901bd22990119p-2, -0x1.d74c6982c6621p-1},    // glibc's sin is one bit off here
        {1364, -0x1.f0ca99f79ba5bp-1, 0x1.ef74bf2e4b5b3p-3},    // glibc's cos is one bit off here
        {-65535, -0x1.0907dc192b203p-2, 0x1.ee8dd4748ca69p-1},  // ends of bearing +/- accuracy
        {65534, 0x1.ef74bf2e42251p-3, 0x1.f0ca99f79c38bp-1},    //
    };
    for (const Case& c : cases) {
        const SinCos result = SinCosOfDegrees(c.degrees);
        EXPECT_EQ(result.sin, c.sin) << c.degrees << " degrees: " << std::hexfloat << result.sin;
        EXPECT_EQ(result.cos, c.cos) << c.degrees << " degrees: " << std::hexfloat << result.cos;
    }
}

// FNV-1a over the bytes of each value, least significant first.
void Hash(uint64_t& hash, double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    for (int shift = 0; shift < 64; shift += 8) {
        hash ^= (bits >> shift) & 0xFF;
        hash *= 0x100000001b3;
    }
}

TEST(SinCosOfDegrees, IsCorrectlyRoundedForEveryBearingPlusOrMinusAccuracy) {
    // The hash of sin and cos for -65535..65534 degrees, computed from 160-bit values.
    uint64_t hash = 0xcbf29ce484222325;
    for (int32_t degrees = -65535; degrees <= 65534; ++degrees) {
        const SinCos result = SinCosOfDegrees(degrees);
        Hash(hash, result.sin);
        Hash(hash, result.cos);
    }
    EXPECT_EQ(hash, 0xe128dfca05aff52cu);
}

TEST(SinCosOfDegrees, AgreesWithTheCLibraryInEveryQuadrant) {
    for (int32_t degrees = -65535; degrees <= 65534; ++degrees) {
        const SinCos result = SinCosOfDegrees(degrees);
        const double radians = Radians(degrees);
        ASSERT_NEAR(result.sin, std::sin(radians), 1e-15) << degrees << " degrees";
        ASSERT_NEAR(result.cos, std::cos(radians), 1e-15) << degrees << " degrees";
    }
}

}  // namespace
}  // namespace trivex
