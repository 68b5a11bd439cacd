#include "ui/memory/memory_view.h"

#include <gtest/gtest.h>

namespace trivex::ui {
namespace {

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
