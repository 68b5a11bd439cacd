// The real host over COM: UI-View32's automation server, created by class id (local server or
// in-process) and driven late-bound through IDispatch. The host's type information is read
// once per interface for the life of this object and shared by every object it makes. The
// calling thread must be in a single-threaded apartment (ComApartment) for as long as any
// object of this host lives.
#pragma once

#include <memory>

#include "com/type_info_win32.h"
#include "host/host.h"

namespace trivex::com {

class ComHost : public host::Host {
  public:
    std::unique_ptr<host::UivApplication> NewApplication() override;
    std::unique_ptr<host::UivStationInfo> NewStationInfo() override;
    std::unique_ptr<host::UivObject> NewObject() override;

  private:
    std::shared_ptr<InterfaceCatalog> interfaces_ = std::make_shared<InterfaceCatalog>();
};

}  // namespace trivex::com
