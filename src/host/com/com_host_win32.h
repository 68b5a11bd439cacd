// The real host over COM: UI-View32's automation server, created by class id (local server or
// in-process) and driven late-bound through IDispatch. The calling thread must be in a
// single-threaded apartment (ComApartment) for as long as any object of this host lives.
#pragma once

#include "host/host.h"

namespace trivex::com {

class ComHost : public host::Host {
  public:
    std::unique_ptr<host::UivApplication> NewApplication() override;
    std::unique_ptr<host::UivStationInfo> NewStationInfo() override;
    std::unique_ptr<host::UivObject> NewObject() override;
};

}  // namespace trivex::com
