// The DF text parser on any text. Its layout: uint16 bearing, uint16 accuracy, a text
// without "%" to put in front, then the text to parse.
#include <string>

#include "host/station_report.h"
#include "tests/fuzz/fuzz_support.h"

namespace trivex::fuzz {
namespace {

std::string ThreeDigits(int value) {
    std::string text = std::to_string(value);
    return std::string(3 - text.size(), '0') + text;
}

std::string ReadingText(const DfReading& reading) {
    return std::to_string(static_cast<int>(reading.status)) + " " + std::to_string(reading.bearing) + " " +
           std::to_string(reading.accuracy);
}

void CheckReading(const std::string& text) {
    const DfReading reading = ParseDfText(text);
    if (text.find('%') == std::string::npos)
        Check(reading.status == DfStatus::NoData, "no '%' means no data");
    if (reading.status != DfStatus::Valid) {
        Check(reading.bearing == kNoBearing, "only a valid reading has a bearing");
        return;
    }
    Check(reading.bearing >= 0, "a bearing of digits is not negative");
    Check(reading.accuracy >= 0 && reading.accuracy <= 999, "the accuracy has three digits");
    CheckEqual(std::to_string(reading.bearing) + " deg +/-" + std::to_string(reading.accuracy),
               BearingBoxText(reading), "bearing box text");
}

}  // namespace
}  // namespace trivex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace trivex;
    using namespace trivex::fuzz;
    FuzzInput input(data, size);
    const int bearing = input.Take<uint16_t>() % 1000;
    const int accuracy = input.Take<uint16_t>() % 1000;
    std::string prefix = input.Text();
    std::erase(prefix, '%');
    const std::string text = input.Rest();

    CheckReading(text);
    // What comes after a valid reading, and text without "%" before it, change nothing.
    const DfReading reading = ParseDfText(text);
    if (reading.status == DfStatus::Valid)
        CheckEqual(ReadingText(reading), ReadingText(ParseDfText(prefix + text + text)),
                   "reading in context");

    const std::string wellFormed = prefix + "%" + ThreeDigits(bearing) + "%" + ThreeDigits(accuracy) + text;
    CheckReading(wellFormed);
    CheckEqual(ReadingText({DfStatus::Valid, static_cast<int16_t>(bearing), static_cast<int16_t>(accuracy)}),
               ReadingText(ParseDfText(wellFormed)), "well-formed reading");
    return 0;
}
