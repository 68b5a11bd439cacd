// The DF text parser on any text: without a "%" there is no data, and only a valid reading has
// a bearing, never a negative one, with an accuracy of at most three digits.
#include <string_view>

#include "plot/df_reading.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace trivex;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const DfReading reading = ParseDfText(text);
    fuzz::Check(text.find('%') != text.npos || reading.status == DfStatus::NoData, "no '%' means no data");
    fuzz::Check(reading.status == DfStatus::Valid
                    ? reading.bearing >= 0 && reading.accuracy >= 0 && reading.accuracy <= 999
                    : reading.bearing == kNoBearing,
                "only a valid reading has a bearing, and never a negative one");
    return 0;
}
