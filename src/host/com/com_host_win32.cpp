#include "host/com/com_host_win32.h"

#include <string>

#include "com/com_error_win32.h"
#include "host/com/com_objects_win32.h"

namespace trivex::com {

// A class object kept from a server that has ended since fails: the class object is then asked
// for anew, which starts the server again as creating the object would.
ComPtr<IDispatch> ComHost::HostClass::CreateUnchecked() {
    ComPtr<IDispatch> object;
    if (factory_ && SUCCEEDED(factory_->CreateInstance(nullptr, IID_IDispatch, object.OutVoid())))
        return object;
    const std::string doing = std::string("creating the host's ") + what_;
    Check(CoGetClassObject(id_, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                           factory_.OutVoid()),
          doing);
    Check(factory_->CreateInstance(nullptr, IID_IDispatch, object.OutVoid()), doing);
    return object;
}

ComPtr<IDispatch> ComHost::HostClass::Create() {
    ComPtr<IDispatch> object = CreateUnchecked();
    if (!interfaceChecked_) RequireInterface(*object.get(), iid_, notOfInterface_);
    interfaceChecked_ = true;
    return object;
}

std::unique_ptr<host::UivApplication> ComHost::NewApplication() {
    return AsHostError([&] { return std::make_unique<ComApplication>(applications_.Create(), interfaces_); });
}

std::unique_ptr<host::UivStationInfo> ComHost::NewStationInfo() {
    return AsHostError([&] {
        return std::make_unique<ComStationInfo>(
            OfInterface(stationInfos_.Create(), kStationInfoInterface, *interfaces_));
    });
}

std::unique_ptr<host::UivObject> ComHost::NewObject() {
    return AsHostError([&] {
        return std::make_unique<ComObject>(OfInterface(records_.Create(), kObjectInterface, *interfaces_));
    });
}

}  // namespace trivex::com
