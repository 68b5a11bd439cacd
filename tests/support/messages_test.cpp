#include <gtest/gtest.h>

#include "support/error_report.h"
#include "support/host_version.h"

namespace trivex {
namespace {

TEST(ErrorMessage, BlocksAndStyles) {
    const std::string text =
        "The following error has ocurred, you may want to read the online help file (C:\\T\\Trivex.html) on "
        "this :\r\n\r\nboom";
    struct Case {
        int style;
        std::string text;
        bool ends;
    };
    const Case cases[] = {
        {16, text + "\r\n\r\nThe program will be stopped", true},  // critical: the program stops
        {48, text, false},                                         // warning: it goes on
        {64, text, false},                                         // information
    };
    for (const Case& c : cases) {
        const auto box =
            MakeErrorMessage(c.style, "boom", "UI-View32 add-on TrivexV1.4.2", "C:\\T\\Trivex.html");
        ASSERT_TRUE(box) << "style " << c.style;
        EXPECT_EQ(box->text, c.text) << "style " << c.style;
        EXPECT_EQ(box->title, "UI-View32 add-on TrivexV1.4.2 Error message");
        EXPECT_EQ(box->endsProgram, c.ends) << "style " << c.style;
    }
    EXPECT_FALSE(MakeErrorMessage(32, "boom", "T", "h")) << "any other style shows nothing";
}

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
}  // namespace trivex
