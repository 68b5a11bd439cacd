#include <gtest/gtest.h>

#include "host/host_version.h"

namespace trivex::host {
namespace {

TEST(HostVersion, TextAndStringComparison) {
    struct Case {
        FixedFileVersion block;
        const char* text;
        bool supported;
    };
    const Case cases[] = {
        {{2, 0, 0, 3}, "2.03", true},         // the usual host
        {{1, 5, 0, 5}, "1.55", true},         // lowest supported
        {{1, 5, 4, 5}, "1.55", true},         // the third part plays no part
        {{2, 9, 0, 9}, "2.99", true},         // highest supported
        {{1, 5, 0, 4}, "1.54", false},        // just below
        {{3, 0, 0, 0}, "3.00", false},        // just above
        {{1, 10, 0, 2}, "1.102", false},      // "1.102" sorts before "1.55"
        {{10, 0, 0, 0}, "10.00", true},       // compared as text, "10.00" lies between
        {{0xFFFF, 0, 0, 1}, "-1.01", false},  // words are signed
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VersionText(c.block), c.text);
        EXPECT_EQ(IsSupportedHostVersion(c.text), c.supported) << c.text;
    }
}

}  // namespace
}  // namespace trivex::host
