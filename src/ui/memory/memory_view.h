// A main window that exists only in memory: it keeps what the logic shows so that tests
// and the scenario runner can read it back.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ui/view.h"

namespace trivex::ui {

struct MessageBoxRecord {
    MessageStyle style = MessageStyle::Information;
    std::string title;  // as shown: an empty title shows the application title
    std::string text;
    bool operator==(const MessageBoxRecord&) const = default;
};

class MemoryView : public MainWindowView {
  public:
    // Every control starts with its initial text of the layout table.
    explicit MemoryView(Size outerSize = {6180, 5250});

    void SetCaption(const std::string& caption) override { caption_ = caption; }
    [[nodiscard]] std::string Text(ControlId id) override;
    void SetText(ControlId id, const std::string& text) override;
    [[nodiscard]] size_t TextLength(ControlId id) override {
        return texts_.at(static_cast<size_t>(id)).size();
    }
    void AppendToLog(const std::string& text) override;
    void FlushLog() override {}
    void SetChecked(Command item, bool checked) override;

    [[nodiscard]] WindowPosition Position() override { return position_; }
    void MoveTo(WindowPosition position) override { position_ = position; }
    [[nodiscard]] Size OuterSize() override { return outerSize_; }
    [[nodiscard]] bool IsMinimised() override { return minimised_; }
    void SetMinimised(bool minimised) override { minimised_ = minimised; }
    void Show() override { shown_ = true; }
    void ProcessPendingMessages() override { ++messagePumps_; }
    void MakeTopmost() override { topmost_ = true; }
    void Close() override { closed_ = true; }

    void Beep() override { ++beeps_; }
    void ShowMessage(MessageStyle style, const std::string& title, const std::string& text) override;

    void OpenAbout(const AboutContent& content) override { about_ = content; }
    void CloseAbout() override { about_.reset(); }
    [[nodiscard]] bool PostHostEvents() override {
        return false;
    }  // no message loop: host events run at once

    // Runs while a message box is open, before ShowMessage returns, as the operator reading
    // it would let host events arrive.
    std::function<void()> whileMessageShown;

    [[nodiscard]] const std::string& Caption() const { return caption_; }
    [[nodiscard]] bool IsChecked(Command item) const { return checked_.contains(item); }
    [[nodiscard]] bool Shown() const { return shown_; }
    [[nodiscard]] int MessagePumps() const { return messagePumps_; }
    [[nodiscard]] bool Topmost() const { return topmost_; }
    [[nodiscard]] bool Closed() const { return closed_; }
    [[nodiscard]] int Beeps() const { return beeps_; }
    [[nodiscard]] const std::vector<MessageBoxRecord>& Messages() const { return messages_; }
    std::vector<MessageBoxRecord> TakeMessages() { return std::exchange(messages_, {}); }
    [[nodiscard]] const std::optional<AboutContent>& About() const { return about_; }

  private:
    std::vector<std::string> texts_;
    std::string caption_;
    std::set<Command> checked_;
    WindowPosition position_;
    Size outerSize_;
    bool minimised_ = false;
    bool shown_ = false;
    int messagePumps_ = 0;
    bool topmost_ = false;
    bool closed_ = false;
    int beeps_ = 0;
    std::vector<MessageBoxRecord> messages_;
    std::optional<AboutContent> about_;
};

}  // namespace trivex::ui
