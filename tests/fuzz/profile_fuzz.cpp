// The settings file's reader and writer on any file bytes. Layout: uint8 choice of names,
// uint16 buffer size, texts of a section, key, value, default and second value, then the
// file's bytes. Reads and writes with the raw names must not fail; with ordinary names a
// written value reads back and writes again as no change, and in a file the writer wrote a
// second write leaves every other key as it was. (The first write may move keys: like the
// platform, the writer drops the header of a section without a name, "[]" or "[\0]", and
// its keys join the section above.)
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
// Ordinary names, two of them the same key in another case.
constexpr std::array<Name, 6> kNames{{{"SETUP", "LEFT"},
                                      {"setup", "left"},
                                      {"SETUP", "CallSign1"},
                                      {"Other", "LEFT"},
                                      {"Other", "K"},
                                      {"SETUP", "K"}}};

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

bool IsBlank(char c) {
    return (c >= '\t' && c <= '\r') || c == '\x1a' || c == ' ';
}

// A value as the program writes one: on one line, without blanks around it and without
// quotes, which the reader would take off.
std::string OrdinaryValue(std::string value) {
    std::erase_if(value, [](char c) { return c == '\r' || c == '\n' || c == '\0' || c == '"' || c == '\''; });
    while (!value.empty() && IsBlank(value.back())) value.pop_back();
    while (!value.empty() && IsBlank(value.front())) value.erase(0, 1);
    return value;
}

std::string Read(std::string_view file, const Name& name) {
    return ProfileReadString(file, name.section, name.key, "(default)");
}

struct RawCall {
    std::string section;
    std::string key;
    std::string value;
    std::string defaultValue;
    size_t bufferSize;
};

void CheckRawCall(std::string_view file, const RawCall& call) {
    const auto& [section, key, value, defaultValue, bufferSize] = call;
    const std::string read = ProfileReadString(file, section, key, defaultValue, bufferSize);
    Check(read.size() < std::max<size_t>(bufferSize, 1), "the text fits the buffer with its NUL");
    if (const auto written = ProfileWriteString(file, section, key, value))
        ProfileReadString(*written, section, key, defaultValue, bufferSize);
}

}  // namespace
}  // namespace trivex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace trivex;
    using namespace trivex::fuzz;
    FuzzInput input(data, size);
    const auto choice = input.Take<uint8_t>();
    const Name& first = kNames[choice % kNames.size()];
    const Name& second = kNames[choice / kNames.size() % kNames.size()];
    RawCall raw;
    raw.bufferSize = input.Take<uint16_t>() % 600;
    raw.section = input.Text();
    raw.key = input.Text();
    raw.value = input.Text();
    raw.defaultValue = input.Text();
    const std::string value = OrdinaryValue(input.Text());
    const std::string value2 = OrdinaryValue(input.Text());
    const std::string file = input.Rest();

    CheckRawCall(file, raw);

    const std::string written = ProfileWriteString(file, first.section, first.key, value).value_or(file);
    CheckEqual(value, Read(written, first), "a written value reads back");
    Check(!ProfileWriteString(written, first.section, first.key, value), "writing it again changes nothing");

    const std::string rewritten = ProfileWriteString(written, second.section, second.key, value2).value_or(written);
    CheckEqual(value2, Read(rewritten, second), "the second value reads back");
    for (const Name& other : kNames) {
        if (SameKey(other, second)) continue;
        CheckEqual(Read(written, other), Read(rewritten, other), "a write leaves the other keys");
    }
    return 0;
}
