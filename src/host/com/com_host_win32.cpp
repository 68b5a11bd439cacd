#include "host/com/com_host_win32.h"

#include "host/com/com_objects_win32.h"

namespace trivex::com {

std::unique_ptr<host::UivApplication> ComHost::NewApplication() {
    return std::make_unique<ComApplication>(CreateHostObject(kApplicationClass, "application object"),
                                            interfaces_);
}

std::unique_ptr<host::UivStationInfo> ComHost::NewStationInfo() {
    return std::make_unique<ComStationInfo>(
        OfInterface(CreateHostObject(kStationInfoClass, "station information object"), kStationInfoInterface,
                    *interfaces_, "the host created a station information object without its interface"));
}

std::unique_ptr<host::UivObject> ComHost::NewObject() {
    return std::make_unique<ComObject>(
        OfInterface(CreateHostObject(kObjectClass, "object record"), kObjectInterface, *interfaces_,
                    "the host created an object record without its interface"));
}

}  // namespace trivex::com
