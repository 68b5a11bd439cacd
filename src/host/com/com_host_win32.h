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
    [[nodiscard]] std::unique_ptr<host::UivApplication> NewApplication() override;
    [[nodiscard]] std::unique_ptr<host::UivStationInfo> NewStationInfo() override;
    [[nodiscard]] std::unique_ptr<host::UivObject> NewObject() override;

  private:
    // One of the server's classes. Its class object is asked for once and kept: an object made
    // through it costs one call into the server, where asking the system for the class object
    // every time costs several. Every object of a class has the same interfaces, so only the
    // first is asked for the one it must have: the question costs several round trips.
    class HostClass {
      public:
        HostClass(const CLSID& id, const IID& iid, const char* what, const char* notOfInterface)
            : id_(id), iid_(iid), what_(what), notOfInterface_(notOfInterface) {}
        [[nodiscard]] ComPtr<IDispatch> Create();

      private:
        [[nodiscard]] ComPtr<IDispatch> CreateUnchecked();

        CLSID id_;
        IID iid_;
        const char* what_;
        const char* notOfInterface_;
        ComPtr<IClassFactory> factory_;
        bool interfaceChecked_ = false;
    };

    std::shared_ptr<InterfaceCatalog> interfaces_ = std::make_shared<InterfaceCatalog>();
    HostClass applications_{kApplicationClass, kApplicationInterface, "application object",
                            "the host created an application object without its interface"};
    HostClass stationInfos_{kStationInfoClass, kStationInfoInterface, "station information object",
                            "the host created a station information object without its interface"};
    HostClass records_{kObjectClass, kObjectInterface, "object record",
                       "the host created an object record without its interface"};
};

}  // namespace trivex::com
