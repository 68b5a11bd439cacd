#include "geometry/position_text.h"

#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>

namespace trivex::geometry {
namespace {

TEST(FormatCoordinate, WritesDegreesMinutesAndHemisphere) {
    struct Case {
        float minutes;
        bool isLongitude;
        const char* expected;
    };
    const Case cases[] = {
        {3123.5f, false, "52.03.50N"},     // latitude north
        {-3123.5f, false, "52.03.50S"},    // the same digits south
        {293.2f, true, "004.53.20E"},      // longitude below 10 degrees is padded to three digits
        {-7.25f, true, "000.07.25W"},      // less than a degree west
        {0.0f, true, "000.00.00E"},        // zero is east
        {-0.0f, false, "00.00.00N"},       // and north, a negative zero too
        {-10800.0f, true, "180.00.00W"},   // the date line
        {6000.0f, false, "100.00.00N"},    // more degree digits when the number needs them
        {30.005f, false, "00.30.00N"},     // stored as 30.0049991..., below the half
        {30.015f, false, "00.30.01N"},     // stored as 30.0149993...
        {3600.125f, false, "60.00.12N"},   // an exact half goes to the even hundredth
        {3600.375f, false, "60.00.38N"},   //
        {3179.994f, false, "52.59.99N"},   // just below the next degree
        {3179.996f, false, "53.00.00N"},   // 59.996 minutes read 60.00: carried into the degree
        {-3659.995f, true, "061.00.00W"},  // the same west of Greenwich
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatCoordinate(c.minutes, c.isLongitude), c.expected) << "minutes " << c.minutes;
}

// A regional setting whose decimal separator is a comma.
class CommaDecimal : public std::numpunct<char> {
  protected:
    char do_decimal_point() const override { return ','; }
};

TEST(FormatPosition, JoinsLatitudeAndLongitudeWhateverTheLocale) {
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    std::ostringstream regional;
    regional << 1.5;
    const std::string position = FormatPosition(-3123.5f, -7380.4f);
    std::locale::global(previous);
    ASSERT_EQ(regional.str(), "1,5");
    EXPECT_EQ(position, "52.03.50S, 123.00.40W");
}

}  // namespace
}  // namespace trivex::geometry
