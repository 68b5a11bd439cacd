// The DF text parser on any text. Its layout: uint16 bearing, uint16 accuracy, a text
// without "%" to put in front, then the text to parse.
#include <string>

#include "plot/df_reading.h"
#include "tests/fuzz/fuzz_support.h"

namespace trivex::fuzz {
namespace {

// Parses the text, checks what holds for every reading and gives the reading as a text.
std::string CheckedReading(const std::string& text) {
    const DfReading reading = ParseDfText(text);
    const bool valid = reading.status == DfStatus::Valid;
    Check(text.find('%') != std::string::npos || reading.status == DfStatus::NoData, "no '%' means no data");
    Check(valid || reading.bearing == kNoBearing, "only a valid reading has a bearing");
    Check(!valid || (reading.bearing >= 0 && reading.accuracy >= 0 && reading.accuracy <= 999),
          "bearing and accuracy of at most three digits");
    return valid ? std::to_string(reading.bearing) + " " + std::to_string(reading.accuracy) : "not valid";
}

}  // namespace
}  // namespace trivex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace trivex::fuzz;
    FuzzInput input(data, size);
    const int bearing = input.Take<uint16_t>() % 1000;
    const int accuracy = input.Take<uint16_t>() % 1000;
    std::string prefix = input.Text();
    std::erase(prefix, '%');
    const std::string text = input.Rest();

    // What comes after a valid reading, and text without "%" before it, change nothing.
    if (const std::string reading = CheckedReading(text); reading != "not valid")
        CheckEqual(reading, CheckedReading(prefix + text + text), "reading in context");
    CheckEqual(std::to_string(bearing) + " " + std::to_string(accuracy),
               CheckedReading(prefix + "%" + ThreeDigits(bearing) + "%" + ThreeDigits(accuracy) + text),
               "well-formed reading");
    return 0;
}
