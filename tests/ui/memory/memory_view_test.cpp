#include "ui/memory/memory_view.h"

#include <gtest/gtest.h>

namespace trivex::ui {
namespace {

TEST(MemoryView, StartsWithTheInitialTextsOfTheLayout) {
    MemoryView view;
    struct Case {
        ControlId id;
        const char* text;
    };
    const Case cases[] = {
        {ControlId::Label3, "first 5 Intersections"},  // a label
        {ControlId::CallSign4, ""},                    // call-sign boxes start empty
        {ControlId::Bearing2, "N/A"},                  // a box in the middle of a row array
        {ControlId::Intersect4, "N/A"},                // the last box of the last array
    };
    for (const Case& c : cases) EXPECT_EQ(view.Text(c.id), c.text) << static_cast<int>(c.id);
}

TEST(MemoryView, RecordsMessageBoxesWithTheTitleShown) {
    MemoryView view;
    int eventsWhileOpen = 0;
    view.whileMessageShown = [&] { ++eventsWhileOpen; };
    view.ShowMessage(48, "Own title", "text");
    view.ShowMessage(16, "", "no title");  // the application title stands in
    const std::vector<MessageBoxRecord> expected = {{48, "Own title", "text"}, {16, "UI-Trivex", "no title"}};
    EXPECT_EQ(view.Messages(), expected);
    EXPECT_EQ(eventsWhileOpen, 2);
}

}  // namespace
}  // namespace trivex::ui
