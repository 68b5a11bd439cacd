#include "support/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace trivex {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(RoundHalfEvenToInt16, RoundsHalvesToEvenWithinRange) {
    struct Case {
        double value;
        std::optional<int16_t> expected;
    };
    const Case cases[] = {
        {0.5, 0},                  // half goes down to the even 0
        {1.5, 2},                  // half goes up to the even 2
        {2.5, 2},                  // half goes down to the even 2
        {-2.5, -2},                // negative halves too
        {270.5, 270},              // a bearing field's half
        {271.5, 272},              //
        {2.4999999, 2},            // below the half
        {32767.4, 32767},          // largest value that fits
        {32767.5, std::nullopt},   // rounds to 32768
        {-32768.5, -32768},        // rounds to the even -32768, which fits
        {-32769.5, std::nullopt},  // rounds to -32770
        {99999, std::nullopt},     // far out of range
        {kInf, std::nullopt},      // not finite
        {kNaN, std::nullopt},      //
    };
    for (const Case& c : cases) EXPECT_EQ(RoundHalfEvenToInt16(c.value), c.expected) << "value " << c.value;
}

TEST(RoundHalfEvenClampedInt16, ClampsOutOfRangeValues) {
    struct Case {
        double value;
        int16_t expected;
    };
    const Case cases[] = {
        {46339.4, 32767},  // a diagonal longer than 16 bits allow
        {-40000, -32768},  // below the range
        {kInf, 32767},     //
        {-kInf, -32768},   //
        {kNaN, 0},         // nothing to clamp to
        {500.5, 500},      // inside the range: halves to even
        {-0.4, 0},         //
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundHalfEvenClampedInt16(c.value), c.expected) << "value " << c.value;
}

TEST(NumericPrefix, ReadsTheNumberAtTheStartOfAText) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"  -12.5e1x", -125},  // blanks, sign, fraction, exponent, then garbage
        {"abc", 0},            // no number at all
        {"", 0},               //
        {"-", 0},              // a sign alone
        {".", 0},              // a point alone
        {"1e", 1},             // an exponent without digits is not part of the number
        {"1e+", 1},            //
        {"2E-2", 0.02},        // upper-case exponent with sign
        {".5", 0.5},           // no integer digits
        {"5.", 5},             // no fraction digits
        {"+3", 3},             // explicit plus
        {"270.5%010", 270.5},  // a bearing field
        {"\t7", 7},            // a tab counts as a blank
        {"x12", 0},            // a number later in the text does not count
        {"1e999", kInf},       // overflow
        {"-1e999", -kInf},     //
        {"1e-999", 0},         // underflow
    };
    for (const Case& c : cases) EXPECT_EQ(NumericPrefix(c.text), c.expected) << "text \"" << c.text << '"';
}

TEST(NumberText, WritesWholeNumbersWithoutFraction) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {50, "50"},                            // the 50 km limit
        {0, "0"},                              //
        {1, "1"},                              // the default 1000 m
        {0.5, "0.5"},                          // a fraction stays
        {1.234, "1.234"},                      // no rounding to a few digits
        {-3, "-3"},                            //
        {123456789012345, "123456789012345"},  // large whole numbers in full
        {0.1, "0.1"},                          // shortest round trip, not 0.1000000000000000055
    };
    for (const Case& c : cases) EXPECT_EQ(NumberText(c.value), c.expected) << "value " << c.value;
}

TEST(ShortestText, ReadsBackAsTheSameValue) {
    EXPECT_EQ(ShortestText(0.1f), "0.1");
    EXPECT_EQ(ShortestText(0.1), "0.1");
    EXPECT_EQ(ShortestText(1.0f / 3), "0.33333334");
    EXPECT_EQ(ShortestText(1.0 / 3), "0.3333333333333333");
    EXPECT_EQ(ShortestText(-9999.0f), "-9999");
    for (const float value : {3123.5f, -7380.4f, 6.283186f, 1e-30f}) {
        const std::string text = ShortestText(value);
        EXPECT_EQ(std::stof(text), value) << text;
    }
}

}  // namespace
}  // namespace trivex
