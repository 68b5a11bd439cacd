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
        {ControlId::ObjectLabel, "-"},                 //
        {ControlId::Status, ""},                       // the log
    };
    for (const Case& c : cases) EXPECT_EQ(view.Text(c.id), c.text) << static_cast<int>(c.id);
}

TEST(MemoryView, KeepsTextsLogAndCheckMarks) {
    MemoryView view;
    view.SetText(ControlId::CallSign0, "G4ABC");
    view.AppendToLog("one\r\n");
    view.AppendToLog("two");
    EXPECT_EQ(view.Text(ControlId::CallSign0), "G4ABC");
    EXPECT_EQ(view.Text(ControlId::Status), "one\r\ntwo");
    EXPECT_EQ(view.TextLength(ControlId::Status), 8u);

    view.SetChecked(Command::Ignore3, true);
    view.SetChecked(Command::Ignore3, true);
    view.SetChecked(Command::Thickness1, true);
    view.SetChecked(Command::Thickness1, false);
    EXPECT_TRUE(view.IsChecked(Command::Ignore3));
    EXPECT_FALSE(view.IsChecked(Command::Thickness1));
    EXPECT_FALSE(view.IsChecked(Command::OptionsReplot));
}

TEST(MemoryView, KeepsTheRestoredPositionWhileMinimised) {
    MemoryView view({6180, 5250});
    view.MoveTo({100, 200});
    view.SetMinimised(true);
    EXPECT_TRUE(view.IsMinimised());
    EXPECT_EQ(view.Position(), (WindowPosition{100, 200}));
    view.SetMinimised(false);
    EXPECT_EQ(view.Position(), (WindowPosition{100, 200}));
    EXPECT_EQ(view.OuterSize().width, 6180);
    EXPECT_EQ(view.OuterSize().height, 5250);
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

TEST(MemoryView, OpensAndClosesTheAboutWindow) {
    MemoryView view;
    EXPECT_FALSE(view.About());
    AboutContent content;
    content.caption = "About X";
    view.OpenAbout(content);
    ASSERT_TRUE(view.About());
    EXPECT_EQ(view.About()->caption, "About X");
    view.CloseAbout();
    EXPECT_FALSE(view.About());
}

}  // namespace
}  // namespace trivex::ui
