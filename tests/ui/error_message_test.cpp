#include <gtest/gtest.h>

#include "ui/error_message.h"

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

}  // namespace
}  // namespace trivex
