#include "host/com/com_objects_win32.h"

#include <algorithm>

#include "com/com_error_win32.h"
#include "com/com_text_win32.h"
#include "com/type_info_win32.h"

namespace trivex::com {

namespace {

// The highest index of a host's object list that is taken for real: a host shows a few hundred
// objects on its map, not millions.
constexpr LONG kLastObjectIndex = 65535;

}  // namespace

void RequireInterface(IDispatch& object, const IID& iid, const std::string& what) {
    if (!IsOfInterface(object, iid)) Check(E_NOINTERFACE, what);
}

Dispatch OfInterface(ComPtr<IDispatch> object, const IID& iid, InterfaceCatalog& interfaces) {
    std::shared_ptr<const InterfaceInfo> members = interfaces.For(iid, *object.get());
    return Dispatch(std::move(object), std::move(members));
}

void EventSubscription::Subscribe(host::HostEvents* receiver) {
    AsHostError([&] {
        if (!receiver) {
            connection_.reset();
            return;
        }
        if (!connection_) connection_ = std::make_unique<EventConnection>(*source_.get(), events_);
        connection_->Forward(receiver);
    });
}

void ComMap::DrawCircle(float x, float y, float radius, host::Colour colour, double startAngle,
                        double endAngle, float aspect) {
    AsHostError([&] {
        long colourValue = colour;
        map_.Call(L"DrawCircle", {ByRef(&x), ByRef(&y), ByRef(&radius), ByRef(&colourValue),
                                  ByRef(&startAngle), ByRef(&endAngle), ByRef(&aspect)});
    });
}

void ComMap::DrawLine(float x1, float y1, float x2, float y2, host::Colour colour, int16_t style) {
    AsHostError([&] {
        long colourValue = colour;
        map_.Call(L"DrawLine",
                  {ByRef(&x1), ByRef(&y1), ByRef(&x2), ByRef(&y2), ByRef(&colourValue), ByRef(&style)});
    });
}

void ComMap::SetMarkerColour(host::Colour colour) {
    AsHostError([&] {
        long colourValue = colour;
        map_.Call(L"SetMarkerColour", {ByRef(&colourValue)});
    });
}

int16_t ComMap::GetShort(const wchar_t* name) {
    return AsHostError([&] {
        short value = 0;
        map_.Call(name, {ByRef(&value)});
        return value;
    });
}

float ComMap::GetFloat(const wchar_t* name) {
    return AsHostError([&] {
        float value = 0.0f;
        map_.Call(name, {ByRef(&value)});
        return value;
    });
}

void ComMap::CallShort(const wchar_t* name, int16_t value) {
    AsHostError([&] { map_.Call(name, {ByRef(&value)}); });
}

void ComStationInfo::SetCallsign(const std::string& callsign) {
    AsHostError([&] {
        const Bstr text = ToBstr(callsign);
        info_.Put(L"Callsign", Value(text.get()));
    });
}

ComObject::ComObject(Dispatch record) : record_(std::move(record)) {
    const InterfaceInfo* members = record_.members();
    const std::vector<const Member*> flags =
        members ? members->SettersOf({VT_BOOL}) : std::vector<const Member*>();
    std::vector<const Member*> integers =
        members ? members->SettersOf({VT_I2}) : std::vector<const Member*>();
    if (members && integers.size() < 2) integers = members->SettersOf({VT_I2, VT_I4});
    if (flags.empty() || integers.size() < 2)
        Check(DISP_E_MEMBERNOTFOUND, "the object record's flag and integer properties");
    flag_ = flags[0];
    int1_ = integers[0];
    int2_ = integers[1];
}

void ComObject::PutText(const wchar_t* name, const std::string& text) {
    AsHostError([&] {
        const Bstr value = ToBstr(text);
        record_.Put(name, Value(value.get()));
    });
}

ComApplication::ComApplication(ComPtr<IDispatch> application, std::shared_ptr<InterfaceCatalog> interfaces)
    : interfaces_(std::move(interfaces)),
      application_(OfInterface(std::move(application), kApplicationInterface, *interfaces_)) {}

host::DistanceBearing ComApplication::CalcDistanceBearing(double lat1, double lon1, double lat2, double lon2,
                                                          bool flag) {
    return AsHostError([&] {
        host::DistanceBearing result;
        VARIANT_BOOL flagValue = flag ? VARIANT_TRUE : VARIANT_FALSE;
        application_.Call(L"CalcDistanceBearing",
                          {ByRef(&lat1), ByRef(&lon1), ByRef(&lat2), ByRef(&lon2), ByRef(&result.distanceKm),
                           ByRef(&result.bearingDegrees), ByRefBool(&flagValue)});
        return result;
    });
}

namespace {

template <typename Com, typename Portable>
Com& SameHost(Portable& object) {
    auto* com = dynamic_cast<Com*>(&object);
    if (!com) throw host::HostError("an object of another host was passed to the host");
    return *com;
}

}  // namespace

// The object passes in and out: a host may hand back another one, and that one holds the answer.
bool ComApplication::GetStationInfo(host::UivStationInfo& info) {
    return AsHostError([&] {
        ComStationInfo& passed = SameHost<ComStationInfo>(info);
        ComPtr<IDispatch> station = ComPtr<IDispatch>::Share(passed.get());
        VARIANT_BOOL found = VARIANT_FALSE;
        application_.Call(L"GetStationInfo", {ByRef(station.InOut()), ByRefBool(&found)});
        if (!station) Check(E_POINTER, "GetStationInfo gave no station information object");
        if (station.get() != passed.get()) {  // the object passed in was checked when it was made
            RequireInterface(*station.get(), kStationInfoInterface,
                             "GetStationInfo gave an object that is not a station information object");
            passed.Replace(std::move(station));
        }
        return found != VARIANT_FALSE;
    });
}

std::unique_ptr<host::UivMap> ComApplication::GetMap() {
    return AsHostError([&] {
        ComPtr<IDispatch> map;
        application_.Call(L"GetMap", {ByRef(map.InOut())});
        if (!map) Check(E_POINTER, "GetMap gave no map");
        RequireInterface(*map.get(), kMapInterface, "GetMap gave an object that is not a map");
        return std::make_unique<ComMap>(OfInterface(std::move(map), kMapInterface, *interfaces_));
    });
}

// The array's bounds are the host's word: they are checked before anything is taken from it.
std::vector<std::string> ComApplication::GetObjectList() {
    return AsHostError([&] {
        SafeArray list;
        application_.Call(L"GetObjectList", {ByRefStrings(list.InOut())});
        std::vector<std::string> texts;
        if (!list.get()) return texts;
        VARTYPE type = VT_EMPTY;
        if (FAILED(SafeArrayGetVartype(list.get(), &type)) || SafeArrayGetDim(list.get()) != 1 ||
            type != VT_BSTR)
            Check(DISP_E_TYPEMISMATCH, "GetObjectList gave no list of texts");
        LONG lower = 0, upper = -1;
        Check(SafeArrayGetLBound(list.get(), 1, &lower), "GetObjectList");
        Check(SafeArrayGetUBound(list.get(), 1, &upper), "GetObjectList");
        if (lower < 0 || upper > kLastObjectIndex)
            Check(DISP_E_BADINDEX, "GetObjectList gave a list of elements " + std::to_string(lower) + " to " +
                                       std::to_string(upper) + "; an object list has elements 0 to " +
                                       std::to_string(kLastObjectIndex) + " at most");
        // Indexed as the host's array: positions below its lower bound stay empty.
        texts.resize(static_cast<size_t>(std::max<LONG>(upper + 1, 0)));
        for (LONG i = lower; i <= upper; ++i) {
            Bstr text;
            Check(SafeArrayGetElement(list.get(), &i, text.Out()), "GetObjectList");
            texts[static_cast<size_t>(i)] = FromBstr(text.get());
        }
        return texts;
    });
}

int16_t ComApplication::AddObject(host::UivObject& record) {
    return AsHostError([&] {
        ComPtr<IDispatch> object = ComPtr<IDispatch>::Share(SameHost<ComObject>(record).get());
        short result = 0;
        application_.Call(L"AddObject", {ByRef(object.InOut()), ByRef(&result)});
        return result;
    });
}

int16_t ComApplication::DeleteObject(const std::string& name, bool flag) {
    return AsHostError([&] {
        Bstr text = ToBstr(name);
        VARIANT_BOOL flagValue = flag ? VARIANT_TRUE : VARIANT_FALSE;
        short result = 0;
        application_.Call(L"DeleteObject", {ByRef(text.InOut()), ByRefBool(&flagValue), ByRef(&result)});
        return result;
    });
}

}  // namespace trivex::com
