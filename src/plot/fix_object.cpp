#include "plot/fix_object.h"

#include <limits>
#include <memory>

namespace trivex::plot {

namespace {

constexpr int kLastFixNumber = 99;
constexpr int16_t kUnusedObjectValue = std::numeric_limits<int16_t>::min();

// The element's characters from the second on, as many as the name has, are the name.
bool ListsName(const std::string& element, const std::string& name) {
    return element.size() > name.size() && element.compare(1, name.size(), name) == 0;
}

bool NameInUse(const std::vector<std::string>& objectList, const std::string& name) {
    for (size_t i = 1; i < objectList.size(); ++i)
        if (ListsName(objectList[i], name)) return true;
    return false;
}

void RemoveFixObject(host::UivApplication& app, const std::string& fixObjectName) {
    app.DeleteObject(fixObjectName, true);
}

void DescribeFix(host::UivObject& record, const std::string& name, float latDegrees, float lonDegrees,
                 const std::string& comment) {
    record.SetName(name);
    record.SetLatitude(latDegrees);
    record.SetLongitude(lonDegrees);
    record.SetComment(comment);
    record.SetSymbolCode("\\");
    record.SetSymbolTable("/");
    record.SetInt1(kUnusedObjectValue);
    record.SetInt2(kUnusedObjectValue);
    record.SetFlag(true);
}

}  // namespace

std::optional<std::string> FirstFreeFixName(const std::vector<std::string>& objectList) {
    for (int n = 0; n <= kLastFixNumber; ++n) {
        std::string name = "RDFFIX" + std::to_string(n);
        if (!NameInUse(objectList, name)) return name;
    }
    return std::nullopt;
}

FixPlacement PlaceFixObject(host::Host& host, float latDegrees, float lonDegrees, const std::string& comment,
                            std::string& fixObjectName, PlotDisplay& display) {
    const std::unique_ptr<host::UivApplication> app = host.NewApplication();
    const std::unique_ptr<host::UivObject> record = host.NewObject();
    RemoveFixObject(*app, fixObjectName);

    const std::optional<std::string> name = FirstFreeFixName(app->GetObjectList());
    if (!name) {
        // Nothing of ours is on the map now; keeping RDFFIX99 would delete another program's object.
        fixObjectName.clear();
        display.AppendLog("No free name from RDFFIX0 to RDFFIX99: the fix object was not placed.\r\n");
        return FixPlacement::NoFreeName;
    }
    fixObjectName = *name;
    DescribeFix(*record, fixObjectName, latDegrees, lonDegrees, comment);
    const int16_t result = app->AddObject(*record);
    display.AppendLog("CreateObject() returned " + std::to_string(result));
    return FixPlacement::Placed;
}

}  // namespace trivex::plot
