#include "ui/handler_queue.h"

#include <utility>

#include "ui/error_message.h"
#include "ui/status_log.h"

namespace trivex::ui {

HandlerQueue::HandlerQueue(MainWindowView& view, PlatformServices& platform, const ProgramFiles& files,
                           HostConnection& connection)
    : view_(view), platform_(platform), files_(files), connection_(connection) {}

void HandlerQueue::Run(std::function<void()> handler) {
    if (ended_) return;
    pending_.push_back(std::move(handler));
    RunQueued();
}

void HandlerQueue::QueueHostEvent(std::function<void()> handler) {
    if (ended_) return;
    pending_.push_back(std::move(handler));
    if (!running_ && !view_.PostHostEvents()) RunQueued();
}

void HandlerQueue::RunQueued() {
    if (running_) return;
    running_ = true;
    while (!pending_.empty() && !ended_) {
        const std::function<void()> next = std::move(pending_.front());
        pending_.pop_front();
        try {
            RunHandler(next);
        } catch (const std::exception& error) {
            StopOnFault(error.what());
        } catch (...) {
            StopOnFault("unknown error");
        }
    }
    pending_.clear();
    running_ = false;
    if (const std::function<void()> action = std::exchange(whenIdle_, nullptr)) action();
}

void HandlerQueue::WhenIdle(std::function<void()> action) {
    if (running_)
        whenIdle_ = std::move(action);
    else
        action();
}

void HandlerQueue::RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const host::HostError& error) {
        connection_.MarkFailed();
        const std::string message = std::string("The host reported an error: ") + error.what();
        // A box would keep the host's objects from a host that is closing, or from a session that ends.
        if (connection_.HostClosing() || ended_)
            AppendToStatusLog(view_, message + "\r\n");
        else
            ShowError(MessageStyle::Warning, message);
    }
    view_.FlushLog();
}

// As the platform's standard error box: the run-time error, then the end, nothing saved.
void HandlerQueue::StopOnFault(const std::string& what) {
    ended_ = true;
    view_.ShowMessage(MessageStyle::Critical, kApplicationTitle, "Run-time error: " + what);
    platform_.EndProcess();
}

void HandlerQueue::ShowError(MessageStyle style, const std::string& message) {
    const ErrorMessage box = MakeErrorMessage(style, message, files_.appTitle, files_.htmlHelpFile);
    view_.ShowMessage(box.style, box.title, box.text);
    if (box.endsProgram) {
        ended_ = true;
        platform_.EndProcess();
    }
}

}  // namespace trivex::ui
