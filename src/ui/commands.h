// The operator's commands: the menu, the Options menus with the settings they change, the
// About window and the key filter of the call-sign boxes.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/handler_queue.h"
#include "ui/platform.h"
#include "ui/program_files.h"
#include "ui/settings.h"
#include "ui/view.h"

namespace trivex::ui {

// What a command asks of the window as a whole.
class CommandTarget {
  public:
    virtual void Plot() = 0;
    virtual void SaveSettings() = 0;
    virtual void Exit() = 0;

  protected:
    ~CommandTarget() = default;
};

class Commands {
  public:
    Commands(MainWindowView& view, PlatformServices& platform, const ProgramFiles& files,
             HandlerQueue& handlers, CommandTarget& target)
        : view_(view), platform_(platform), files_(files), handlers_(handlers), target_(target) {}

    void Execute(Command command);
    // The key to let through, or nothing when it is refused; Enter plots.
    std::optional<int16_t> OnCallSignKey(int16_t code);
    void CloseAbout();
    void OpenWebAddress();

    // The settings read at start-up, with their check marks.
    void Apply(const Settings& settings);
    const Settings& Current() const { return settings_; }
    bool AboutOpen() const { return aboutOpen_; }

  private:
    void OpenAbout();
    void SelectIgnoreDistance(int item);
    void SelectLineThickness(int item);
    void SetOption(Command item, bool on);
    bool& Option(Command item);

    MainWindowView& view_;
    PlatformServices& platform_;
    const ProgramFiles& files_;
    HandlerQueue& handlers_;
    CommandTarget& target_;
    Settings settings_;
    bool aboutOpen_ = false;
};

}  // namespace trivex::ui
