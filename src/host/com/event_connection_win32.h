// One event interface of a host object connected to a sink through the object's connection
// point: advised on construction, unadvised on destruction.
#pragma once

#include "com/com_raii_win32.h"
#include "host/com/event_sink_win32.h"

namespace trivex::com {

class EventConnection {
  public:
    // Throws ComError when the object has no such connection point or refuses the sink.
    EventConnection(IDispatch& source, const IID& events);
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;
    ~EventConnection();

    void Forward(host::HostEvents* receiver) { sink_->Forward(receiver); }

  private:
    ComPtr<IConnectionPoint> point_;
    ComPtr<EventSink> sink_;
    DWORD cookie_ = 0;
};

}  // namespace trivex::com
