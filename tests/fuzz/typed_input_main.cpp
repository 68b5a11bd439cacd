// The entry point of the fuzz targets that take their input as typed values.
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    trivex::fuzz::FuzzInput input(data, size);
    trivex::fuzz::FuzzOne(input);
    return 0;
}
