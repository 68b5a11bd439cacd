// The settings file's reader and writer on any file bytes. Layout: uint8 choice of a key,
// uint16 buffer size, texts of a section, key, value, default, and an ordinary value, then
// the file's bytes.
//
// Reads and writes with the raw names must not fail, and a read fits its buffer. The rest
// holds in a file the writer has written: like the platform's, the writer's first writes may
// change what other keys read, as it drops the header of a section without a name ("[]",
// "[\0]", whose keys then join the section above), cuts names and values at a NUL (so that
// blanks before it end up at the end of the line, where the reader ignores them) and keeps
// only the first of several lines without a name. In such a file, with an ordinary key and
// value, the value reads back, writing it again changes nothing, and every other key reads
// as before.
#include <array>
#include <cctype>
#include <string>
#include <string_view>

#include "tests/fuzz/fuzz_support.h"
#include "ui/private_profile.h"

namespace trivex::fuzz {
namespace {

struct Name {
    const char* section;
    const char* key;
};
// Ordinary names, one the same key as another in another case.
constexpr std::array<Name, 6> kNames{{{"SETUP", "LEFT"},
                                      {"setup", "left"},
                                      {"SETUP", "CallSign1"},
                                      {"Other", "LEFT"},
                                      {"Other", "K"},
                                      {"SETUP", "K"}}};
constexpr Name kScratch{"Fuzz", "Round"};
constexpr int kRounds = 3;  // after three writes the file's form no longer changes

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool SameKey(const Name& a, const Name& b) {
    return SameName(a.section, b.section) && SameName(a.key, b.key);
}

// A value as the program writes one: on one line, without blanks around it and without
// quotes, which the reader would take off.
std::string OrdinaryValue(std::string value) {
    std::erase_if(value, [](char c) { return c == '\r' || c == '\n' || c == '\0' || c == '"' || c == '\''; });
    while (!value.empty() && IsProfileBlank(value.back())) value.pop_back();
    while (!value.empty() && IsProfileBlank(value.front())) value.erase(0, 1);
    return value;
}

std::string Read(std::string_view file, const Name& name) {
    return ProfileReadString(file, name.section, name.key, "(default)");
}

struct RawCall {
    size_t bufferSize;
    std::string section;
    std::string key;
    std::string value;
    std::string defaultValue;
};

void CheckRawCall(std::string_view file, const RawCall& call) {
    const std::string read =
        ProfileReadString(file, call.section, call.key, call.defaultValue, call.bufferSize);
    Check(read.size() < std::max<size_t>(call.bufferSize, 1), "the text fits the buffer with its NUL");
    if (const auto written = ProfileWriteString(file, call.section, call.key, call.value))
        ProfileReadString(*written, call.section, call.key, call.defaultValue, call.bufferSize);
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
    const Name& name = kNames[input.Take<uint8_t>() % kNames.size()];
    RawCall raw;
    raw.bufferSize = input.Take<uint16_t>() % 600;
    raw.section = input.Text();
    raw.key = input.Text();
    raw.value = input.Text();
    raw.defaultValue = input.Text();
    const std::string value = OrdinaryValue(input.Text());
    const std::string file = input.Rest();

    CheckRawCall(file, raw);

    const std::string before = Normalised(file);
    const std::string after = ProfileWriteString(before, name.section, name.key, value).value_or(before);
    CheckEqual(value, Read(after, name), "a written value reads back");
    Check(!ProfileWriteString(after, name.section, name.key, value), "writing it again changes nothing");
    for (const Name& other : kNames)
        if (!SameKey(other, name))
            CheckEqual(Read(before, other), Read(after, other), "a write leaves the other keys");
    return 0;
}
