#include "plot/fix_object.h"

#include "tests/plot/recording_display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/sim/sim_host.h"

namespace trivex::plot {
namespace {

// The listed texts of objects RDFFIX0..RDFFIX(count - 1), after an empty element 0.
std::vector<std::string> FixesUpTo(int count) {
    std::vector<std::string> list{""};
    for (int n = 0; n < count; ++n) list.push_back("*RDFFIX" + std::to_string(n));
    return list;
}

TEST(FirstFreeFixName, TakesTheFirstUnlistedNumber) {
    struct Case {
        const char* what;
        std::vector<std::string> list;
        std::optional<std::string> name;
    };
    const Case cases[] = {
        {"empty", {}, "RDFFIX0"},                                       // nothing on the map
        {"RDFFIX0 taken", {"", "*RDFFIX0"}, "RDFFIX1"},                 // another program's RDFFIX0
        {"RDFFIX10 listed", {"", "*RDFFIX0", "*RDFFIX10"}, "RDFFIX2"},  // as many characters as the name has
        {"element 0", {"*RDFFIX0", "#OTHER"}, "RDFFIX0"},               // element 0 is never examined
        {"first character", {"", "RDFFIX0"}, "RDFFIX0"},       // the name starts at the second character
        {"other marker", {"", "#RDFFIX0"}, "RDFFIX1"},         // whatever the first is
        {"lower case", {"", "*rdffix0"}, "RDFFIX0"},           // case counts
        {"short texts", {"", "", "*", "*RDFFIX"}, "RDFFIX0"},  // too short to hold the name
        {"99 taken", FixesUpTo(99), "RDFFIX99"},               // the last name
        {"all taken", FixesUpTo(100), std::nullopt},           //
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstFreeFixName(c.list), c.name) << c.what << ": expected " << c.name.value_or("(none)");
}

TEST(PlaceFixObject, DeletesThePreviousFixThenAddsTheRecordUnderTheFirstFreeName) {
    struct Case {
        std::vector<std::string> objects;
        std::string previous;  // the name of our fix from the previous plot
        std::string name;
    };
    const Case cases[] = {
        {{"*RDFFIX0"}, "RDFFIX0", "RDFFIX0"},        // ours is deleted first: its name is reused
        {{"*RDFFIX0", "*RDFFIX10"}, "", "RDFFIX2"},  // the first plot deletes the empty name
    };
    for (const Case& c : cases) {
        sim::SimHost host;
        host.objects = c.objects;
        std::string fixObjectName = c.previous;
        RecordingDisplay display;
        const char* comment = "TRIVEX:G4ABC G4DEF";
        EXPECT_EQ(PlaceFixObject(host, 52.25f, -1.5f, comment, fixObjectName, display), FixPlacement::Placed);
        const sim::ObjectRecord record{c.name, 52.25f, -1.5f, comment, "\\", "/", true, -32768, -32768};
        const std::vector<sim::JournalEntry> expected = {
            {"DeleteObject", {c.previous, true}}, {"GetObjectList", {}}, {"AddObject", {record}}};
        EXPECT_EQ(host.TakeJournal(), expected) << c.name;
        EXPECT_EQ(fixObjectName, c.name);
        EXPECT_EQ(display.log,
                  std::vector<std::string>{"CreateObject() returned 0"});  // no line end of its own
    }
}

}  // namespace
}  // namespace trivex::plot
