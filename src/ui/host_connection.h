// The main window's link to the host: its application and map objects, subscribed to the
// window's event sink, and what the host's calls and events have said of them.
#pragma once

#include <memory>

#include "host/host.h"
#include "plot/plotter.h"

namespace trivex::ui {

class HostConnection {
  public:
    HostConnection(host::Host& host, host::HostEvents& sink) : host_(host), sink_(sink) {}
    HostConnection(const HostConnection&) = delete;
    HostConnection& operator=(const HostConnection&) = delete;
    ~HostConnection() { StopEvents(); }

    // New application and map objects, subscribed to the sink.
    void Connect();
    // No objects yet, or a host call has failed since they were made.
    bool NeedsConnecting() const { return !application_ || !map_ || failed_; }
    // The objects a plot works with; only once connected.
    plot::HostLink Link() { return {host_, *application_, *map_}; }

    void MarkFailed() { failed_ = true; }
    // The host said it is closing: from now on its errors are logged and no plot runs.
    void MarkClosing() { closing_ = true; }
    bool HostClosing() const { return closing_; }

    void StopEvents();
    void Release();

  private:
    host::Host& host_;
    host::HostEvents& sink_;
    std::unique_ptr<host::UivApplication> application_;
    std::unique_ptr<host::UivMap> map_;
    bool failed_ = false;  // since the last connection
    bool closing_ = false;
};

}  // namespace trivex::ui
