// Trivex.exe as the end-to-end tests see it: a copy in a folder of its own (with its help
// page), its process, and its windows, reached only through window messages.
#pragma once

#include <memory>
#include <string>

#include "gui_test_support.h"
#include "ui/controls.h"

namespace trivex::test {

class TrivexProgram {
  public:
    // Copies the Trivex.exe that TRIVEX_EXE names.
    TrivexProgram();

    std::string File(const std::string& name) const { return folder_.File(name); }

    // Starts a copy (another one while one runs: a second instance) and waits for nothing.
    ChildProgram Launch() const { return ChildProgram(folder_.File("Trivex.exe")); }
    // Starts the program and waits for its main window; false when none appeared.
    bool Start();
    ChildProgram& Process() { return *process_; }
    HWND Window() const { return window_; }
    // Closes the program through its close box if it still runs, and waits for its end; false
    // when it still runs.
    bool Close();

    // The texts of the main window's boxes and labels.
    std::string Text(ui::ControlId id) const;
    void SetText(ui::ControlId id, const std::string& text) const;
    // Chooses a menu command and returns once it has been handled. While a handler runs (a
    // plot waiting for a host call), the command is only queued behind it.
    void Choose(ui::Command command) const;
    // Chooses a menu command without waiting: for commands that open a message box.
    void Post(ui::Command command) const;

  private:
    HWND Control(ui::ControlId id) const;

    TemporaryFolder folder_;
    std::unique_ptr<ChildProgram> process_;
    HWND window_ = nullptr;
};

}  // namespace trivex::test
