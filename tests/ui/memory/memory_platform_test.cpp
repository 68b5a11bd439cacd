#include "ui/memory/memory_platform.h"

#include <gtest/gtest.h>

namespace trivex::ui {
namespace {

TEST(FileVersionOfText, GivesAVersionWhoseTextIsTheGivenText) {
    struct Case {
        const char* text;
        bool representable;
    };
    const Case cases[] = {
        {"2.03", true},    // 2.0.0.3
        {"1.102", true},   // 1.10.0.2: "1" and "02" would not read back
        {"-1.55", true},   // a major word of 65535 reads as -1
        {"10.0", false},   // the minor number and the fourth part need a digit each
        {"2", false},      // no point
        {"02.03", false},  // a leading zero never comes out of a word
        {"2.0x", false},   // not a number
    };
    for (const Case& c : cases) {
        const auto version = FileVersionOfText(c.text);
        EXPECT_EQ(version.has_value(), c.representable) << c.text;
        if (version) {
            EXPECT_EQ(VersionText(*version), c.text);
        }
    }
}

TEST(MemoryPlatform, HasTheHostVersionOnlyAtTheHostExecutable) {
    MemoryPlatform platform;
    platform.hostFolder = "D:\\UIView\\";
    struct Case {
        const char* file;
        bool found;
    };
    const Case cases[] = {
        {"D:\\UIView\\\\uiview32.exe", true},  // a folder entry ending in a separator
        {"d:\\uiview\\UIVIEW32.EXE", true},    //
        {"D:\\UIView\\other.exe", false},      //
        {"\\uiview32.exe", false},             // what an absent folder entry gives
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform.ReadFixedVersionInfo(c.file).has_value(), c.found) << c.file;
}

}  // namespace
}  // namespace trivex::ui
