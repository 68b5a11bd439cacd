#include "simkit/scenario.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <span>
#include <string_view>
#include <sstream>

#include <unistd.h>

#include "command_line.h"

namespace {

// While a test lowers it, a larger allocation fails, as it would on a machine short of memory.
std::atomic<size_t> largestAllocation{SIZE_MAX};

}  // namespace

void* operator new(std::size_t size) {
    void* block = size <= largestAllocation ? std::malloc(size > 0 ? size : 1) : nullptr;
    if (block == nullptr) throw std::bad_alloc();
    return block;
}
// Not inlined: the compiler would take the free() of a block from operator new for a mismatch.
[[gnu::noinline]] void operator delete(void* block) noexcept {
    std::free(block);
}
[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

namespace trivex::simkit {
namespace {

TEST(ReadScenario, ReadsTheWorldAndTheHostOverTheirDefaults) {
    const Scenario s = ReadScenario(R"({
        "settings": "[SETUP]\r\n", "screen": {"width": 19200}, "hostVersion": "1.55",
        "map": {"widthPixels": 1024}, "stations": [{"callsign": "G4ABC", "latitude": 3123.5}],
        "eventsDuringCalls": [{"call": "AddObject", "event": "mapChanged"}]})");
    EXPECT_EQ(s.settings, "[SETUP]\r\n");
    EXPECT_EQ(s.screen.width, 19200);
    EXPECT_EQ(s.screen.height, 11520);  // the other half of a size keeps its default
    EXPECT_EQ(host::VersionText(*s.hostVersion), "1.55");
    EXPECT_EQ(s.hostData.map->heightPixels, 600);           // so does the rest of the map
    EXPECT_EQ(s.hostData.stations->at(0).longitude, 0.0f);  // missing position: 0
    ASSERT_EQ(s.eventsDuringCalls.size(), 1u);
    EXPECT_EQ(s.eventsDuringCalls[0].event, sim::Event::MapHasChanged);
    EXPECT_FALSE(ReadScenario(R"({"hostVersion": "1.55", "hostMissing": true})").hostVersion);
}

// The kinds of action that no scenario case uses, a whole number written as 4.0, and the
// conversion of typed keys.
TEST(ReadScenario, ReadsActions) {
    const Scenario s = ReadScenario(R"({"actions": [
        {"do": "type", "row": 4.0, "keys": "a\r\bé€"},
        {"do": "menu", "item": "ignore5"},
        {"do": "host", "map": {"heightUnits": 30}}]})");
    ASSERT_EQ(s.actions.size(), 3u);
    const auto& type = std::get<TypeAction>(s.actions[0].data);
    EXPECT_EQ(type.row, 4);
    // é is one key of the code page; € is not in its Latin-1 part and becomes "?".
    EXPECT_EQ(type.keys, (std::vector<int16_t>{'a', 13, 8, 0xE9, '?'}));
    EXPECT_EQ(std::get<MenuAction>(s.actions[1].data).command, ui::Command::Ignore5);
    const auto& host = std::get<HostDataAction>(s.actions[2].data);
    ASSERT_TRUE(host.map);
    EXPECT_EQ(host.map->heightUnits, 30.0f);
    EXPECT_EQ(host.map->widthPixels, 800);  // a replaced view takes the defaults
    EXPECT_FALSE(host.stations);
}

struct Refusal {
    std::string json;
    const char* message;
};

// Each scenario is refused with an error that begins with the message and fits a line.
void ExpectRefusals(std::span<const Refusal> cases) {
    for (const Refusal& c : cases) {
        const std::string shown = c.json.substr(0, 80);
        try {
            static_cast<void>(ReadScenario(c.json));  // read for its error only
            ADD_FAILURE() << "no error for " << shown;
        } catch (const ScenarioError& error) {
            EXPECT_EQ(std::string(error.what()).find(c.message), 0u)
                << "for " << shown << "\n  expected: " << c.message << "\n  actual:   " << error.what();
            EXPECT_LT(std::string(error.what()).size(), 250u) << "an error line of a sane length";
        }
    }
}

TEST(ReadScenario, NamesTheFieldAtFault) {
    const Refusal cases[] = {
        {"[1]", "the scenario: expected an object, found [1]"},
        {R"({"hostVersoin": "2.03"})", "the scenario: unknown field \"hostVersoin\""},
        {R"({"readOnlyFolder": "yes"})", "readOnlyFolder: expected true or false, found \"yes\""},
        {R"({"map": {"widthPixels": 40000}})",
         "map.widthPixels: expected a whole number from -32768 to 32767, found 40000"},
        {R"({"map": {"widthUnits": 1e39}})",
         "map.widthUnits: expected a number within the range of a single, found 1e+39"},
        {R"({"stations": [{"call": "X"}]})", "stations[0]: unknown field \"call\""},
        {R"({"hostVersion": "10.0"})", "hostVersion: \"10.0\" is not the version text of any file version"},
        {R"({"eventsDuringCalls": [{"call": "Draw", "event": "mapRedrawn"}]})",
         "eventsDuringCalls[0].call: unknown host operation \"Draw\""},
        {R"({"eventsDuringCalls": [{"call": "AddObject", "event": "mapRedrawn", "callsign": "X"}]})",
         "eventsDuringCalls[0]: unknown field \"callsign\""},  // a station only for a beacon
        {R"({"eventsDuringCalls": [{"call": "AddObject", "event": "beacon", "latitude": 1, "longitude": 2}]})",
         "eventsDuringCalls[0]: missing field \"callsign\""},
        {R"({"actions": [{"do": "type", "row": 5, "keys": "A"}]})",
         "actions[0].row: expected a whole number from 0 to 4"},
        {R"({"actions": [{"do": "menu", "item": "ignore7"}]})",
         "actions[0].item: unknown menu item \"ignore7\""},
        {R"({"actions": [{"do": "menu", "item": ""}]})",
         "actions[0].item: unknown menu item \"\""},  // not a row the table was left with
        {R"({"actions": [{"do": "plot"}, {"do": "plot", "do": "close"}]})",
         "actions[1]: duplicate field \"do\""},  // not the last one winning
    };
    ExpectRefusals(cases);
}

// What would cost the reader too much, or the error line its length, is refused in a short line.
TEST(ReadScenario, RefusesAtOnceWhatWouldCostTooMuch) {
    std::string longList = "{\"settings\": [0";
    for (int i = 0; i < 200000; ++i) longList += ",0";
    const Refusal cases[] = {
        {std::string(50000, '[') + std::string(50000, ']'),
         "the scenario: nested deeper than 64 levels"},                     // not a stack overflow
        {longList + "]}", "settings: expected a text, found [0,0,0,0,0,"},  // cut short
        {R"({"actions": [{"do": "plo\u0007t"}]})",
         "actions[0].do: unknown action \"plo\\u0007t\""},  // control characters escaped
        {R"({"hostVersion": "1.)" + std::string(100000, '0') + "\"}",
         "hostVersion: \"1.000"},  // refused at once, not after quadratic time
    };
    ExpectRefusals(cases);
}

// A file too large for a scenario, or too large for the memory left, is refused in one line;
// one of the largest size a scenario may have is read.
TEST(RunCommandLine, RefusesWhatItCannotHold) {
    struct Case {
        std::string content;
        size_t largestAllocation;
        const char* error;
    };
    std::string atTheLimit = "{\"settings\": 1}";
    atTheLimit.resize(kMaxScenarioBytes, ' ');
    const Case cases[] = {
        {std::string(kMaxScenarioBytes + 1, ' '), SIZE_MAX,
         "larger than 8 MiB, the most a scenario may hold"},
        {atTheLimit, SIZE_MAX, "settings: expected a text, found 1"},  // read whole, then refused
        {"{\"settings\": \"" + std::string(size_t{1} << 20, 'x') + "\"}", size_t{1} << 18,
         "not enough memory to read the scenario"},
    };
    const std::string file =
        (std::filesystem::temp_directory_path() / ("trivex-sim-" + std::to_string(getpid()) + ".json"))
            .string();
    for (const Case& c : cases) {
        std::ofstream(file, std::ios::binary) << c.content;
        std::ostringstream out, err;
        largestAllocation = c.largestAllocation;
        const int exitCode = RunCommandLine({file}, out, err);
        largestAllocation = SIZE_MAX;
        EXPECT_EQ(exitCode, kExitBadInput) << c.error;
        EXPECT_EQ(err.str(), "trivex-sim: " + file + ": " + c.error + "\n");
        EXPECT_EQ(out.str(), "");
    }
    std::filesystem::remove(file);
}

// --hunts takes a count from 1 and a seed, in any order, and nothing but --reflect besides; an
// output file's option takes the next argument.
TEST(RunCommandLine, ReadsItsArguments) {
    struct Case {
        std::vector<std::string> args;
        const char* start;  // how the output starts; nullptr: refused with the usage
    };
    const Case cases[] = {
        {{"--hunts", "3", "--seed", "1"},
         "hunts: 3, seed 1\n95% ellipse holds the transmitter: 100.0% (3 of 3)\n"},
        {{"--seed", "7", "--reflect", "--hunts", "2"},
         "hunts: 2, seed 7, one bearing of four or five reflected\n"},
        {{"--hunts", "0", "--seed", "1"}, nullptr},                  // no hunt
        {{"--hunts", "3"}, nullptr},                                 // no seed
        {{"--hunts", "3", "--seed"}, nullptr},                       // a seed's option without its number
        {{"--hunts", "3", "--bogus", "1", "--seed", "1"}, nullptr},  // an unknown option, even with a value
        {{"--hunts", "3", "--seed", "-1"}, nullptr},                 // not a whole number
        {{"--hunts", "3", "--seed", "1", "demo.json"}, nullptr},     // and a scenario
        {{"--hunts", "3", "--seed", "1", "--summary"}, nullptr},     // and a scenario's option
        {{"demo.json", "--geojson"}, nullptr},                       // an output option without its file
        {{"demo.json", "--kml"}, nullptr},                           // the same for each output
        {{"demo.json", "--svg"}, nullptr},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        const int exitCode = RunCommandLine(c.args, out, err);
        const std::string shown =
            c.args[0] + " " + c.args[1] + " ... (" + std::to_string(c.args.size()) + ")";
        if (!c.start) {
            EXPECT_EQ(exitCode, kExitBadInput) << shown;
            EXPECT_EQ(err.str().rfind("usage: trivex-sim", 0), 0u) << shown << ": " << err.str();
            continue;
        }
        EXPECT_EQ(exitCode, kExitOk) << shown;
        EXPECT_EQ(out.str().substr(0, std::string_view(c.start).size()), c.start) << shown;
        EXPECT_EQ(err.str(), "") << shown;
    }
}

}  // namespace
}  // namespace trivex::simkit
