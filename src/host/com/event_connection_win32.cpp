#include "host/com/event_connection_win32.h"

#include "com/com_error_win32.h"
#include "com/type_info_win32.h"

namespace trivex::com {

EventConnection::EventConnection(IDispatch& source, const IID& events) {
    ComPtr<IConnectionPointContainer> container;
    Check(source.QueryInterface(IID_IConnectionPointContainer, container.OutVoid()), "connection points");
    Check(container->FindConnectionPoint(events, point_.Out()), "connection point");
    // Read member by member: type information from the host's own objects lives in the host's
    // process, and ITypeInfo::GetIDsOfNames does not cross processes.
    const InterfaceInfo members(*FindTypeInfo(events, source).get());
    sink_ = ComPtr<EventSink>(new EventSink(events, members));
    Check(point_->Advise(sink_.get(), &cookie_), "connecting to the host's events");
}

EventConnection::~EventConnection() {
    // The receiver may be gone before the server lets go of the sink.
    sink_->Forward(nullptr);
    point_->Unadvise(cookie_);
}

}  // namespace trivex::com
