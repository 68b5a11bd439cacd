// The one dispatcher of the main window and its fault policy. Every entry point runs as one
// handler. A handler that is called while another runs (a host event fired inside a host
// call, or while a message box is open) is queued and run, in order, when the running one has
// finished. A failing host call stops only the running handler: the operator sees a warning and
// the program goes on. As the failure may mean that the host's server has gone, and with it the
// host objects the program holds, the connection is marked failed: the next plot connects
// afresh. Once the host has said it is closing, its failures are only logged. Any other fault
// shows the run-time error box and ends the program, whatever handler it struck.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "ui/host_connection.h"
#include "ui/platform.h"
#include "ui/program_files.h"
#include "ui/view.h"

namespace trivex::ui {

class HandlerQueue {
  public:
    // The files' title and help page name the program's error boxes.
    HandlerQueue(MainWindowView& view, PlatformServices& platform, const ProgramFiles& files,
                 HostConnection& connection);

    // Runs the handler now, or after the running one and those queued before it.
    void Run(std::function<void()> handler);
    // A host event's handler: it runs after the running handler, or once the view hands the
    // events back through RunQueued, never inside the host's call that delivered it.
    void QueueHostEvent(std::function<void()> handler);
    void RunQueued();
    // Runs the action once the running handler has finished, or now when none runs.
    void WhenIdle(std::function<void()> action);

    // The program's error box; a critical one ends the program.
    void ShowError(MessageStyle style, const std::string& message);
    // From now on no handler runs.
    void End() { ended_ = true; }
    bool Ended() const { return ended_; }

  private:
    void RunHandler(const std::function<void()>& handler);
    void StopOnFault(const std::string& what);

    MainWindowView& view_;
    PlatformServices& platform_;
    const ProgramFiles& files_;
    HostConnection& connection_;
    std::deque<std::function<void()>> pending_;
    std::function<void()> whenIdle_;
    bool running_ = false;
    bool ended_ = false;
};

}  // namespace trivex::ui
