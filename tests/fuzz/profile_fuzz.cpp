// The settings file's reader and writer on any file bytes. Layout: uint8 choice of a key,
// uint16 buffer size, texts of a section, key, value, default, and an ordinary value, then
// the file's bytes.
//
// Reads and writes with the raw names must not fail, and a read fits its buffer. Like the
// platform's, the writer's first writes may change what other keys read (it drops the header
// of a section without a name, cuts names and values at a NUL, keeps only the first of several
// lines without a name), so the rest holds in a file the writer has written: with an ordinary
// key and value, the value reads back, writing it again changes nothing, and every other key
// reads as before.
#include <cctype>
#include <iterator>
#include <string>

#include "tests/fuzz/fuzz_support.h"
#include "ui/private_profile.h"

namespace trivex::fuzz {
namespace {

struct Name {
    const char* section;
    const char* key;
};
// Ordinary names, one the same key as another in another case.
constexpr Name kNames[] = {{"SETUP", "LEFT"}, {"setup", "left"}, {"SETUP", "CallSign1"},
                           {"Other", "LEFT"}, {"Other", "K"},    {"SETUP", "K"}};
constexpr Name kScratch{"Fuzz", "Round"};
constexpr int kRounds = 3;  // after three writes the file's form no longer changes

std::string Lower(const Name& name) {
    std::string text = std::string(name.section) + "=" + name.key;
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Read(std::string_view file, const Name& name) {
    return ProfileReadString(file, name.section, name.key, "(default)");
}

// The file after the writer has written it a few times: a value of its own, changed each time.
std::string Normalised(std::string file) {
    for (int round = 0; round < kRounds; ++round) {
        const auto written =
            ProfileWriteString(file, kScratch.section, kScratch.key, Read(file, kScratch) == "0" ? "1" : "0");
        Check(written.has_value(), "a new value changes the file");
        file = *written;
    }
    return file;
}

}  // namespace
}  // namespace trivex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace trivex;
    using namespace trivex::fuzz;
    FuzzInput input(data, size);
    const Name& name = kNames[input.Take<uint8_t>() % std::size(kNames)];
    const size_t bufferSize = input.Take<uint16_t>() % 600;
    const std::string section = input.Text(), key = input.Text(), rawValue = input.Text();
    const std::string defaultValue = input.Text();
    // A value as the program writes one: on one line, without quotes or blanks around it.
    std::string value = input.Text();
    std::erase_if(value, [](char c) { return c == '\r' || c == '\n' || c == '\0' || c == '"' || c == '\''; });
    value = TrimProfileBlanks(value);
    const std::string file = input.Rest();

    const std::string read = ProfileReadString(file, section, key, defaultValue, bufferSize);
    Check(read.size() < std::max<size_t>(bufferSize, 1), "the text fits the buffer with its NUL");
    if (const auto written = ProfileWriteString(file, section, key, rawValue))
        ProfileReadString(*written, section, key, defaultValue, bufferSize);

    const std::string before = Normalised(file);
    const std::string after = ProfileWriteString(before, name.section, name.key, value).value_or(before);
    CheckEqual(value, Read(after, name), "a written value reads back");
    Check(!ProfileWriteString(after, name.section, name.key, value), "writing it again changes nothing");
    for (const Name& other : kNames)
        if (Lower(other) != Lower(name))
            CheckEqual(Read(before, other), Read(after, other), "a write leaves the other keys");
    return 0;
}
