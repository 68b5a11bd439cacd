#include <gtest/gtest.h>

#include "ui/error_message.h"

namespace trivex::ui {
namespace {

TEST(ErrorMessage, BlocksAndStyles) {
    const std::string text =
        "The following error has ocurred, you may want to read the online help file (C:\\T\\Trivex.html) on "
        "this :\r\n\r\nboom";
    struct Case {
        MessageStyle style;
        std::string text;
        bool ends;
    };
    const Case cases[] = {
        // critical: the program stops
        {MessageStyle::Critical, text + "\r\n\r\nThe program will be stopped", true},
        {MessageStyle::Warning, text, false},      // warning: it goes on
        {MessageStyle::Information, text, false},  // information
    };
    for (const Case& c : cases) {
        const auto box =
            MakeErrorMessage(c.style, "boom", "UI-View32 add-on TrivexV1.4.2", "C:\\T\\Trivex.html");
        EXPECT_EQ(box.text, c.text) << "style " << static_cast<int>(c.style);
        EXPECT_EQ(box.title, "UI-View32 add-on TrivexV1.4.2 Error message");
        EXPECT_EQ(box.endsProgram, c.ends) << "style " << static_cast<int>(c.style);
    }
}

}  // namespace
}  // namespace trivex::ui
