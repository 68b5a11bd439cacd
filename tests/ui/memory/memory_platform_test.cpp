#include "ui/memory/memory_platform.h"

#include <gtest/gtest.h>

namespace trivex::ui {
namespace {

TEST(FileVersionOfText, GivesAVersionWhoseTextIsTheGivenText) {
    const std::pair<const char*, bool> cases[] = {
        {"2.03", true},    // 2.0.0.3
        {"1.102", true},   // 1.10.0.2: "1" and "02" would not read back
        {"-1.55", true},   // a major word of 65535 reads as -1
        {"10.0", false},   // the minor number and the fourth part need a digit each
        {"2", false},      // no point
        {"02.03", false},  // a leading zero never comes out of a word
        {"2.0x", false},   // not a number
    };
    for (const auto& [text, representable] : cases) {
        const auto version = FileVersionOfText(text);
        EXPECT_EQ(version.has_value(), representable) << text;
        if (version) {
            EXPECT_EQ(host::VersionText(*version), text);
        }
    }
}

}  // namespace
}  // namespace trivex::ui
