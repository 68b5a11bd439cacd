// Runs the platform's GetPrivateProfileStringA and WritePrivateProfileStringA on a real file and
// our code on the same bytes, and compares every result and the whole file after every write.
#include "settings/private_profile.h"

#include "tests/settings/utf16_bytes.h"
#include "ui/platform_win32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace trivex::settings {
namespace {

using namespace std::string_literals;

const ui::AnsiCodePageWin32 kCodePage{};

// The file's bytes; Wine keeps a parsed copy of a file it has used, which is dropped first, as
// our code reads the file afresh each time.
std::string Bytes(const std::string& path) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void CompareRead(const std::string& path, const char* key) {
    const std::string before = Bytes(path);
    char buffer[500];
    const DWORD count = GetPrivateProfileStringA("SETUP", key, "d", buffer, sizeof buffer, path.c_str());
    EXPECT_EQ(ProfileReadString(before, "SETUP", key, "d", kCodePage, sizeof buffer),
              std::string(buffer, count))
        << key;
}

void CompareWrite(const std::string& path, const char* key, const std::string& value) {
    const std::string before = Bytes(path);
    const std::optional<std::string> ours = ProfileWriteString(before, "SETUP", key, value, kCodePage);
    EXPECT_TRUE(WritePrivateProfileStringA("SETUP", key, value.c_str(), path.c_str())) << key;
    EXPECT_EQ(ours.value_or(before), Bytes(path)) << key << (ours ? " changed" : " unchanged");
}

// What a start-up reads and a save then writes, twice, the second save changing nothing: values
// the file may hold already, a changed case, an empty value, one longer than a read's buffer,
// bytes beyond ASCII (the euro sign and a byte code page 1252 leaves unassigned).
// Every write rewrites the whole file, the other sections too.
void StartAndSaveTwice(const std::string& path) {
    const std::pair<const char*, std::string> settings[] = {
        {"LEFT", "-120"},
        {"TOP", "3135"},
        {"MINIMIZED", "TRUE"},
        {"CallSign1", "DL1ABC"},
        {"CallSign2", "W1AW"},
        {"CallSign3", ""},
        {"CallSign4", "nocall4"},
        {"CallSign5", "\x80\x81\xE9"},
        {"Note", std::string(600, 'y')},
    };
    for (int run = 0; run < 2; ++run) {
        for (const auto& [key, value] : settings) CompareRead(path, key);
        for (const auto& [key, value] : settings) CompareWrite(path, key, value);
    }
}

TEST(PrivateProfileWin32Test, MatchesThePlatform) {
    const std::pair<const char*, std::optional<std::string>> files[] = {
        // no file
        {"none", std::nullopt},
        // comments, blank lines, blanks around "=" and in names, other sections
        {"hand-edited",
         "; Trivex\r\n\r\n[Other]\r\nkeep = me \r\n\r\n[ SETUP ]\r\n; window\r\n LEFT = 200 \r\n\r\n"
         "TOP=\t300\r\n# end\r\n[Last]\r\nx=1\r\n"},
        // quoted values read unquoted; writing the unquoted text is a change
        {"quoted",
         "[SETUP]\r\nCallSign1=\"DL1ABC\"\r\nCallSign2='W1AW'\r\nCallSign3=\"x'\r\nCallSign4=\"\"\r\n"},
        // lone CR and LF line ends, control-Z, NUL bytes, bytes beyond ASCII
        {"odd bytes",
         "[A]\ra=1\rb=2\n\n\r\r[SETUP]\r\nTOP=v\x1A\r\nLEFT=a\0b\r\nm\0n=2\r\n\xC9=\xA0\x81\xFF\xA0\r\n\x1A\0"s},
        // blanks and text after "]", no "]", "]" inside, "[]", a repeated name
        {"section headers",
         "[ A ] x\r\na=1\r\n[B\r\nb=2\r\n[C]x]\r\nc=3\r\n[]\r\nd=4\r\n[setup]\r\ne=5\r\n"
         "[SETUP]\r\nLEFT=6\r\n"},
        // UTF-16 without the keys, in either byte order: written back so
        {"UTF-16 LE, other keys", Utf16(u"; Trivex\r\n[Other]\r\nx=1\r\n", false)},
        {"UTF-16 BE, only the mark", Utf16(u"", true)},
        // with the keys: characters beyond the code page read as their best fit or "?", a
        // surrogate pair as two; a NUL character ends a value
        {"UTF-16 LE, the keys",
         Utf16(u"[SETUP]\r\n LEFT = 200 \r\nCallSign1=\u0100\u20AC\u00E9\U0001F600\r\nCallSign2=\"W1AW\"\r\n"
               u"CallSign3=a\0b\r\n[Last]\r\nx=\u4E2D\r\n"s,
               false)},
        {"UTF-16 BE, the keys", Utf16(u"[setup]\r\nTOP=5\rCallSign4=\u00C4x\r\n", true)},
        // Not here: an odd number of bytes, whose last byte Wine pairs with whatever byte its
        // heap holds after the file's copy.
    };
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("trivex-profile-" + std::to_string(GetCurrentProcessId()) + ".ini"))
                                 .string();
    for (const auto& [what, file] : files) {
        SCOPED_TRACE(what);
        DeleteFileA(path.c_str());
        if (file) std::ofstream(path, std::ios::binary) << *file;
        StartAndSaveTwice(path);
    }
    DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace trivex::settings
