// The real host over COM: UI-View32's automation server, created by class id (local server or
// in-process) and driven late-bound through IDispatch. The host's type information is read
// once per interface for the life of this object and shared by every object it makes. The
// calling thread must be in a single-threaded apartment (ComApartment) for as long as any
// object of this host lives.
#pragma once

#include <memory>

#include "com/com_raii_win32.h"
#include "com/type_info_win32.h"
#include "host/com/host_guids_win32.h"
#include "host/host.h"

namespace trivex::com {

class ComHost : public host::Host {
  public:
    std::unique_ptr<host::UivApplication> NewApplication() override;
    std::unique_ptr<host::UivStationInfo> NewStationInfo() override;
    std::unique_ptr<host::UivObject> NewObject() override;

  private:
    // One of the server's classes. Its class object is asked for once and kept: an object made
    // through it costs one call into the server, where asking the system for the class object
    // every time costs several.
    class HostClass {
      public:
        HostClass(const CLSID& id, const char* what) : id_(id), what_(what) {}
        ComPtr<IDispatch> Create();

      private:
        CLSID id_;
        const char* what_;
        ComPtr<IClassFactory> factory_;
    };

    std::shared_ptr<InterfaceCatalog> interfaces_ = std::make_shared<InterfaceCatalog>();
    HostClass applications_{kApplicationClass, "application object"};
    HostClass stationInfos_{kStationInfoClass, "station information object"};
    HostClass records_{kObjectClass, "object record"};
};

}  // namespace trivex::com
