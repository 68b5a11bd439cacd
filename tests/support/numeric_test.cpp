#include "support/numeric.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace trivex::support {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(RoundHalfEvenToInt16, RoundsHalvesToEvenWithinRange) {
    struct Case {
        double value;
        std::optional<int16_t> exact;  // RoundHalfEvenToInt16
        int16_t clamped;               // RoundHalfEvenClampedInt16
    };
    const Case cases[] = {
        {0.5, 0, 0},                       // half goes down to the even 0
        {1.5, 2, 2},                       // half goes up to the even 2
        {-2.5, -2, -2},                    // negative halves too
        {2.4999999, 2, 2},                 // below the half
        {32767.4, 32767, 32767},           // largest value that fits
        {32767.5, std::nullopt, 32767},    // rounds to 32768
        {-32768.5, -32768, -32768},        // rounds to the even -32768, which fits
        {-32769.5, std::nullopt, -32768},  // rounds to -32770
        {kInf, std::nullopt, 32767},       // not finite
        {-kInf, std::nullopt, -32768},     //
        {kNaN, std::nullopt, 0},           // nothing to clamp to
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundHalfEvenToInt16(c.value), c.exact) << "value " << c.value;
        EXPECT_EQ(RoundHalfEvenClampedInt16(c.value), c.clamped) << "value " << c.value;
    }
}

TEST(NumericPrefix, ReadsTheNumberAtTheStartOfAText) {
    struct Case {
        std::string text;
        double expected;
    };
    const Case cases[] = {
        {"  -12.5e1x", -125},                 // blanks, sign, fraction, exponent, then garbage
        {"\t+3", 3},                          // a tab counts as a blank; explicit plus
        {"x12", 0},                           // a number later in the text does not count
        {"", 0},                              //
        {"-", 0},                             // a sign alone
        {".", 0},                             // a point alone
        {"1e+", 1},                           // an exponent without digits is not part of the number
        {"2E-2", 0.02},                       // upper-case exponent with sign
        {".5", 0.5},                          // no integer digits
        {"5.", 5},                            // no fraction digits
        {"-1e999", -kInf},                    // overflow
        {"1e+999", kInf},                     // with a plus sign too
        {"1" + std::string(400, '0'), kInf},  // and without an exponent
        {"1e-999", 0},                        // underflow
    };
    for (const Case& c : cases) EXPECT_EQ(NumericPrefix(c.text), c.expected) << "text \"" << c.text << '"';
}

TEST(FixedText, WritesAnyDoubleWithItsDecimals) {
    struct Case {
        double value;
        int decimals;
        std::string expected;
    };
    const Case cases[] = {
        {12.345, 2, "12.35"},  // rounded to the decimals
        {-0.04, 1, "-0.0"},    // the sign kept
        {kInf, 2, "inf"},      //
    };
    for (const Case& c : cases)
        EXPECT_EQ(FixedText(c.value, c.decimals), c.expected)
            << c.value << " with " << c.decimals << " decimals";
    // A host's absurd distance, and the widest double, come out whole: every digit before the point.
    EXPECT_EQ(FixedText(1e300, 2).size(), 304u);
    EXPECT_EQ(FixedText(-std::numeric_limits<double>::max(), 0).size(), 310u);
    // The plain text of a number has no point when it is whole, and all of its fraction when not.
    EXPECT_EQ(NumberText(50) + " " + NumberText(0.5), "50 0.5");
}

}  // namespace
}  // namespace trivex::support
