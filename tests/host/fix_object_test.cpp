#include "host/fix_object.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/sim/sim_host.h"

namespace trivex {
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
        // Nothing on the map.
        {"empty", {}, "RDFFIX0"},
        {"element 0 only", {""}, "RDFFIX0"},
        // Another program's RDFFIX0.
        {"RDFFIX0 taken", {"", "*RDFFIX0"}, "RDFFIX1"},
        // The comparison takes as many characters as the name has: RDFFIX10 covers RDFFIX1.
        {"RDFFIX10 listed", {"", "*RDFFIX0", "*RDFFIX10"}, "RDFFIX2"},
        // Element 0 is never examined.
        {"element 0", {"*RDFFIX0", "#OTHER"}, "RDFFIX0"},
        // The name starts at the second character, whatever the first is.
        {"first character", {"", "RDFFIX0"}, "RDFFIX0"},
        {"other marker", {"", "#RDFFIX0"}, "RDFFIX1"},
        // Case counts.
        {"lower case", {"", "*rdffix0"}, "RDFFIX0"},
        // Texts too short to hold the name, and empty ones, are not in the way.
        {"short texts", {"", "", "*", "*RDFFIX"}, "RDFFIX0"},
        // The last name.
        {"99 taken", FixesUpTo(99), "RDFFIX99"},
        {"all taken", FixesUpTo(100), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstFreeFixName(c.list), c.name) << c.what << ": expected " << c.name.value_or("(none)");
}

class FixObjectTest : public ::testing::Test {
  protected:
    FixPlacement Place(const std::string& comment = "TRIVEX:G4ABC G4DEF") {
        return PlaceFixObject(host, 52.25f, -1.5f, comment, fixObjectName,
                              [this](const std::string& t) { log.push_back(t); });
    }

    sim::SimHost host;
    std::string fixObjectName;
    std::vector<std::string> log;
};

TEST_F(FixObjectTest, DeletesThePreviousFixThenAddsTheRecord) {
    host.objects = {"*RDFFIX0"};
    fixObjectName = "RDFFIX0";  // ours from the previous plot: its name is reused
    EXPECT_EQ(Place(), FixPlacement::Placed);

    sim::ObjectRecord record;
    record.Name = "RDFFIX0";
    record.Latitude = 52.25f;
    record.Longitude = -1.5f;
    record.Comment = "TRIVEX:G4ABC G4DEF";
    record.SymbolCode = "\\";
    record.SymbolTable = "/";
    record.Int1 = -32768;
    record.Int2 = -32768;
    record.Flag = true;
    const std::vector<sim::JournalEntry> expected = {
        {"DeleteObject", {std::string("RDFFIX0"), true}},
        {"GetObjectList", {}},
        {"AddObject", {record}},
    };
    EXPECT_EQ(host.Journal(), expected);
    EXPECT_EQ(fixObjectName, "RDFFIX0");
    EXPECT_EQ(log, std::vector<std::string>{"CreateObject() returned 0"});  // no line end of its own
    EXPECT_EQ(host.objects, std::vector<std::string>{"*RDFFIX0"});
}

TEST_F(FixObjectTest, FirstPlacementDeletesTheEmptyName) {
    host.objects = {"*RDFFIX0", "*RDFFIX10"};
    EXPECT_EQ(Place(), FixPlacement::Placed);
    EXPECT_EQ(host.Journal()[0], (sim::JournalEntry{"DeleteObject", {std::string(), true}}));
    EXPECT_EQ(fixObjectName, "RDFFIX2");
}

TEST_F(FixObjectTest, NoFreeNameAddsNothing) {
    const std::vector<std::string> list = FixesUpTo(100);
    host.objects.assign(list.begin() + 1, list.end());
    fixObjectName = "OURS";
    EXPECT_EQ(Place(), FixPlacement::NoFreeName);
    EXPECT_EQ(host.Journal().size(), 2u);  // DeleteObject and GetObjectList only
    EXPECT_EQ(host.Journal().back().call, "GetObjectList");
    EXPECT_EQ(log, std::vector<std::string>{
                       "No free name from RDFFIX0 to RDFFIX99: the fix object was not placed.\r\n"});
    // Nothing of ours is left on the map, so the next plot must not delete another program's RDFFIX99.
    EXPECT_EQ(fixObjectName, "");
}

TEST_F(FixObjectTest, HostFailurePropagates) {
    struct Case {
        const char* call;
        size_t journaled;  // calls done before the failing one
    };
    const Case cases[] = {
        {"DeleteObject", 0},
        {"GetObjectList", 1},
        {"Comment", 2},  // a property of the record
        {"AddObject", 2},
    };
    for (const Case& c : cases) {
        host.TakeJournal();
        host.objects.clear();
        log.clear();
        host.FailNext(c.call, "host busy");
        EXPECT_THROW(Place(), host::HostError) << c.call;
        EXPECT_EQ(host.Journal().size(), c.journaled) << c.call;
        EXPECT_TRUE(log.empty()) << c.call;
        EXPECT_TRUE(host.objects.empty()) << c.call;
    }
}

}  // namespace
}  // namespace trivex
