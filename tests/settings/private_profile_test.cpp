// Expected results are what Wine 8.0's GetPrivateProfileStringA and WritePrivateProfileStringA
// gave for the same files and calls, in ISO 8859-1 for the code page.
#include "settings/private_profile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/settings/utf16_bytes.h"
#include "ui/memory/memory_platform.h"

namespace trivex::settings {
namespace {

using namespace std::string_literals;

const ui::Latin1CodePage kCodePage{};

struct ReadCase {
    const char* what;
    std::string file, section, key, defaultValue;
    size_t bufferSize;
    std::string expected;
};

const ReadCase kReads[] = {
    // Blanks, quotes, the default and the buffer's size.
    {"blanks and tabs around a value go", "[A]\r\nk=\t v \t\r\n", "A", "k", "d", 500, "v"},
    {"double quotes are removed", "[A]\r\nk=\"a b\"\r\n", "A", "k", "d", 500, "a b"},
    {"single quotes are removed", "[A]\r\nk='x'\r\n", "A", "k", "d", 500, "x"},
    {"unmatched quotes stay", "[A]\r\nk='x\"\r\n", "A", "k", "d", 500, "'x\""},
    {"empty quotes give the empty text", "[A]\r\nk=\"\"\r\n", "A", "k", "d", 500, ""},
    {"a lone quote stays", "[A]\r\nk=\"\r\n", "A", "k", "d", 500, "\""},
    {"quoted value, buffer one short, loses a letter", "[A]\r\nk=\"abc\"\r\n", "A", "k", "d", 4, "ab"},
    {"quoted value, buffer two short, keeps what fits", "[A]\r\nk=\"abc\"\r\n", "A", "k", "d", 3, "ab"},
    {"quoted value that just fits", "[A]\r\nk=\"abc\"\r\n", "A", "k", "d", 5, "abc"},
    {"a long value is cut to 499", "[A]\r\nk=" + std::string(600, 'x'), "A", "k", "d", 500,
     std::string(499, 'x')},
    {"an empty value is not the default", "[A]\r\nk=\r\n", "A", "k", "d", 500, ""},
    {"a key without '=' gives the default", "[A]\r\nk\r\n", "A", "k", "d", 500, "d"},
    {"no file: the default, without trailing spaces", "", "A", "k", "ab  ", 500, "ab"},
    {"an all-space default keeps one space", "", "A", "k", "   ", 500, " "},
    {"a quoted default is unquoted", "", "A", "k", "\"q\"  ", 500, "q"},
    {"tabs of the default stay", "", "A", "k", "\t x \t", 500, "\t x \t"},
    {"the default is cut to the buffer", "", "A", "k", "abcdef", 3, "ab"},
    {"a buffer of no characters gets nothing", "[A]\r\nk=v\r\n", "A", "k", "d", 0, ""},
    // Sections, keys, line ends and the file's encoding.
    {"names match without regard to case", "[SeTuP]\r\nLeft = 5\r\n", "setup", "LEFT", "d", 500, "5"},
    {"only the first section of a name counts", "[A]\r\na=1\r\n[a]\r\nb=2\r\n", "A", "b", "d", 500, "d"},
    {"the first of two equal keys counts", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "d", 500, "1"},
    {"a lone CR ends a line", "[A]\ra=1\rb=2\n", "A", "b", "d", 500, "2"},
    {"blanks inside brackets and text after them go", "[ A ] x\r\nk=1\r\n", "a", "k", "d", 500, "1"},
    {"a line of '[' without ']' is a key", "[A]\r\n[B\r\nk=1\r\n", "A", "k", "d", 500, "1"},
    {"a comment line with '=' reads as a key", "[A]\r\n;c=1\r\n", "A", ";c", "d", 500, "1"},
    {"letters beyond ASCII keep their case", "[\xC9]\r\n\xE9=1\r\n", "\xE9", "\xC9", "d", 500, "d"},
    {"a NUL byte ends a value", "[A]\r\nk=a\0b\r\n"s, "A", "k", "d", 500, "a"},
    {"a UTF-8 mark is not part of the first line", "\xEF\xBB\xBF[A]\r\na=1\r\n", "A", "a", "d", 500, "1"},
    {"keys under '[]' belong to no named section", "[A]\r\na=1\r\n[]\r\nb=2\r\n", "A", "b", "d", 500, "d"},
    {"UTF-16, names and value in the code page", Utf16(u"[\u00C9]\r\nk=\u00E9\u0100\r\n", false), "\xC9", "k",
     "d", 500, "\xE9?"},
    {"UTF-16 big-endian, the default", Utf16(u"[A]\r\nk=v\r\n", true), "A", "j", "\xE9", 500, "\xE9"},
    {"UTF-16, an odd last byte is a character", Utf16(u"[A]\r\nk=", true) + "v", "A", "k", "d", 500, "v"},
    {"UTF-16, a value that just fits the buffer", Utf16(u"[A]\r\nk=abc\r\n", false), "A", "k", "d", 4, "abc"},
};

TEST(PrivateProfileTest, ReadsAsThePlatform) {
    for (const ReadCase& c : kReads) {
        EXPECT_EQ(ProfileReadString(c.file, c.section, c.key, c.defaultValue, kCodePage, c.bufferSize),
                  c.expected)
            << c.what;
    }
}

struct WriteCase {
    const char* what;
    std::string file, section, key, value;
    std::optional<std::string> expected;
};

TEST(PrivateProfileTest, WritesAsThePlatform) {
    const std::vector<WriteCase> cases = {
        {"a missing file is created", "", "SETUP", "LEFT", "4590", "[SETUP]\r\nLEFT=4590\r\n"},
        {"rewritten in the platform's form, comments and spelling kept",
         "; top\r\n\r\n[Setup]\r\nLeft = 5\r\n\r\n# note\r\n", "SETUP", "LEFT", "6",
         "; top\r\n[Setup]\r\nLeft=6\r\n# note\r\n"},
        {"a new key goes to the end of its section", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "a", "z", "3",
         "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n"},
        {"a new section goes to the end of the file", "[A]\nx=1", "B", "y", "2",
         "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
        {"an unchanged value leaves the file as it is", "[A]\r\nk = v\r\n", "a", "K", "v", std::nullopt},
        {"leading blanks of a value are dropped", "[A]\r\nk = v\r\n", "A", "k", " \tv", std::nullopt},
        {"trailing blanks of a value are written", "[A]\r\nk=v\r\n", "A", "k", "v  ", "[A]\r\nk=v  \r\n"},
        {"a change of case is a change", "[A]\r\nk=true\r\n", "A", "k", "TRUE", "[A]\r\nk=TRUE\r\n"},
        {"new names keep their trailing blanks", "[A]\r\n", " b ", " k ", "v", "[A]\r\n[b ]\r\nk =v\r\n"},
        {"a key without '=' gets its value", "[A]\r\nk\r\n", "A", "k", "v", "[A]\r\nk=v\r\n"},
        {"the nameless section has no header", "", "", "c", "3", "c=3\r\n"},
        {"a UTF-8 mark is kept", "\xEF\xBB\xBF[A]\r\n", "A", "k", "1", "\xEF\xBB\xBF[A]\r\nk=1\r\n"},
        {"the first of two equal sections is written", "[A]\r\na=1\r\n[a]\r\nb=2\r\n", "A", "b", "3",
         "[A]\r\na=1\r\nb=3\r\n[a]\r\nb=2\r\n"},
        {"nameless lines in a row are kept once", "[A]\r\n=1\r\n=2\r\nk\r\n=3\r\n", "A", "k", "9",
         "[A]\r\n=1\r\nk=9\r\n=3\r\n"},
        {"a NUL byte ends a name, value or line", "[A]\r\nk=a\0b\r\nm\0n=2\r\n\0"s, "A", "z", "1",
         "[A]\r\nk=a\r\nm=2\r\n\r\nz=1\r\n"},
        {"control-Z counts as a blank", "[A]\r\nk=v\x1A\r\n\x1A", "A", "j", "1", "[A]\r\nk=v\r\nj=1\r\n"},
        {"line ends inside a value are written as they are", "[A]\r\n", "A", "k", "a\r\nb=c",
         "[A]\r\nk=a\r\nb=c\r\n"},
        {"a UTF-16 file is written back in its byte order", Utf16(u"[A]\r\nk=\u0100", true) + "v", "A", "j",
         "\xE9", Utf16(u"[A]\r\nk=\u0100v\r\nj=\u00E9\r\n", true)},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(ProfileWriteString(c.file, c.section, c.key, c.value, kCodePage), c.expected) << c.what;
}

}  // namespace
}  // namespace trivex::settings
