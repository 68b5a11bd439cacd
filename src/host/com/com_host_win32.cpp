#include "host/com/com_host_win32.h"

#include "host/com/com_objects_win32.h"

namespace trivex::com {

std::unique_ptr<host::UivApplication> ComHost::NewApplication() {
    return std::make_unique<ComApplication>(CreateHostObject(kApplicationClass, "application object"));
}

std::unique_ptr<host::UivStationInfo> ComHost::NewStationInfo() {
    return std::make_unique<ComStationInfo>(
        CreateHostObject(kStationInfoClass, "station information object"));
}

std::unique_ptr<host::UivObject> ComHost::NewObject() {
    return std::make_unique<ComObject>(CreateHostObject(kObjectClass, "object record"));
}

}  // namespace trivex::com
