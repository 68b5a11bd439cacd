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
        {"3.00", true},    // 3.0.0.0
        {"1.55", true},    // 1.5.0.5
        {"1.102", true},   // 1.10.0.2: "1" and "02" would not read back
        {"-1.55", true},   // a major word of 65535 reads as -1
        {"10.0", false},   // the minor number and the fourth part need a digit each
        {"2", false},      // no point
        {"02.03", false},  // a leading zero never comes out of a word
        {"2.0x", false},   // not a number
        {"", false},       //
        {"Unable to locate EXE file", false},
    };
    for (const Case& c : cases) {
        const auto version = FileVersionOfText(c.text);
        EXPECT_EQ(version.has_value(), c.representable) << c.text;
        if (version) {
            EXPECT_EQ(VersionText(*version), c.text);
        }
    }
    const auto v = FileVersionOfText("1.55");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->major, 1);
    EXPECT_EQ(v->minor, 5);
    EXPECT_EQ(v->revision, 5);
}

TEST(MemoryPlatform, FindsFilesWithoutRegardToCase) {
    MemoryPlatform platform;
    EXPECT_FALSE(platform.ReadFile("C:\\Trivex\\Trivex.INI"));
    EXPECT_TRUE(platform.ReplaceFile("C:\\Trivex\\Trivex.INI", "[SETUP]\r\n"));
    EXPECT_EQ(platform.ReadFile("c:\\TRIVEX\\trivex.ini"), "[SETUP]\r\n");
    EXPECT_EQ(platform.ReadFile("C:/Trivex//Trivex.INI"), "[SETUP]\r\n");  // either separator, doubled
    EXPECT_FALSE(platform.ReadFile("C:\\Trivex\\Trivex.LST"));
    EXPECT_EQ(platform.WriteCount("C:\\TRIVEX\\TRIVEX.INI"), 1);
}

TEST(MemoryPlatform, ReadOnlyFolderRefusesWrites) {
    MemoryPlatform platform;
    platform.PutFile("C:\\Trivex\\Trivex.INI", "old");
    platform.readOnlyFolder = true;
    EXPECT_FALSE(platform.ReplaceFile("C:\\Trivex\\Trivex.INI", "new"));
    EXPECT_FALSE(platform.ReplaceFile("C:\\Trivex\\Trivex.LST", ""));
    EXPECT_EQ(platform.File("C:\\Trivex\\Trivex.INI"), "old");
    EXPECT_FALSE(platform.File("C:\\Trivex\\Trivex.LST"));
    EXPECT_EQ(platform.WriteCount("C:\\Trivex\\Trivex.INI"), 0);
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
    platform.hostVersion.reset();
    EXPECT_FALSE(platform.ReadFixedVersionInfo("D:\\UIView\\uiview32.exe"));
}

TEST(MemoryPlatform, UpperCasesAsciiLettersOnly) {
    MemoryPlatform platform;
    struct Case {
        int16_t code;
        int16_t expected;
    };
    const Case cases[] = {
        {'a', 'A'}, {'z', 'Z'}, {'A', 'A'}, {'5', '5'}, {'/', '/'}, {'{', '{'}, {'`', '`'}, {13, 13}, {8, 8},
    };
    for (const Case& c : cases) EXPECT_EQ(platform.UpperCaseKey(c.code), c.expected) << c.code;
}

}  // namespace
}  // namespace trivex::ui
