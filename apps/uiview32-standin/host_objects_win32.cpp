#include "host_objects_win32.h"

#include <limits>
#include <stdexcept>

#include "com/dispatch_win32.h"
#include "data_json.h"

namespace trivex::standin {

using com::Bstr;
using com::ComPtr;

template <typename Interface>
void EventingObject<Interface>::Emit(sim::Event event, const std::string& callsign, float latitude,
                                     float longitude) {
    const std::wstring name = com::Widen(EventName(event));
    if (event != sim::Event::NotifyBeacon) {
        events_.Fire(name.c_str(), {});
        return;
    }
    // Passed by reference, as the host passes them.
    Bstr text = com::ToBstr(callsign);
    events_.Fire(name.c_str(), {com::ByRef(text.InOut()), com::ByRef(&latitude), com::ByRef(&longitude)});
}

template class EventingObject<_UivMap>;
template class EventingObject<_UivApplication>;

StandInMap::StandInMap(ServerState& state, std::unique_ptr<host::UivMap> map)
    : EventingObject(state, __uuidof(_UivMap), __uuidof(__UivMap)), map_(std::move(map)) {}

HRESULT StandInMap::DrawCircle(float* x, float* y, float* radius, LONG* colour, double* startAngle,
                               double* endAngle, float* aspect) {
    return Run([&] { map_->DrawCircle(*x, *y, *radius, *colour, *startAngle, *endAngle, *aspect); });
}
HRESULT StandInMap::GetHeightPixels(short* pixels) {
    return Run([&] { *pixels = map_->GetHeightPixels(); });
}
HRESULT StandInMap::GetWidthPixels(short* pixels) {
    return Run([&] { *pixels = map_->GetWidthPixels(); });
}
HRESULT StandInMap::GetHeightUnits(float* units) {
    return Run([&] { *units = map_->GetHeightUnits(); });
}
HRESULT StandInMap::GetLeftEdge(float* units) {
    return Run([&] { *units = map_->GetLeftEdge(); });
}
HRESULT StandInMap::GetWidthUnits(float* units) {
    return Run([&] { *units = map_->GetWidthUnits(); });
}
HRESULT StandInMap::DrawLine(float* x1, float* y1, float* x2, float* y2, LONG* colour, short* style) {
    return Run([&] { map_->DrawLine(*x1, *y1, *x2, *y2, *colour, *style); });
}
HRESULT StandInMap::SetLineWidth(short* width) {
    return Run([&] { map_->SetLineWidth(*width); });
}
HRESULT StandInMap::SetMarkerStyle(short* style) {
    return Run([&] { map_->SetMarkerStyle(*style); });
}
HRESULT StandInMap::SetMarkerColour(LONG* colour) {
    return Run([&] { map_->SetMarkerColour(*colour); });
}

StandInStationInfo::StandInStationInfo(ServerState& state)
    : DispatchObject(state, __uuidof(_UivStationInfo)), live_(state), info_(state.sim.NewStationInfo()) {}

HRESULT StandInStationInfo::put_Callsign(BSTR value) {
    return Run([&] {
        std::string callsign = com::FromBstr(value);
        info_->SetCallsign(callsign);
        callsign_ = std::move(callsign);
    });
}
HRESULT StandInStationInfo::GetText(std::string (host::UivStationInfo::*get)(), BSTR* value) {
    return Run([&] { *value = com::ToBstr(((*info_).*get)()).Detach(); });
}
HRESULT StandInStationInfo::get_InfoText1(BSTR* value) {
    return GetText(&host::UivStationInfo::InfoText1, value);
}
HRESULT StandInStationInfo::get_InfoText2(BSTR* value) {
    return GetText(&host::UivStationInfo::InfoText2, value);
}
HRESULT StandInStationInfo::get_InfoText3(BSTR* value) {
    return GetText(&host::UivStationInfo::InfoText3, value);
}
HRESULT StandInStationInfo::get_Longitude(float* minutes) {
    return Run([&] { *minutes = info_->Longitude(); });
}
HRESULT StandInStationInfo::get_Latitude(float* minutes) {
    return Run([&] { *minutes = info_->Latitude(); });
}

StandInObject::StandInObject(ServerState& state)
    : DispatchObject(state, __uuidof(_UivObject)), live_(state), record_(state.sim.NewObject()) {}

HRESULT StandInObject::put_Setting(VARIANT_BOOL value) {
    return Run([&] { record_->SetFlag(value != VARIANT_FALSE); });
}
HRESULT StandInObject::put_Value1(short value) {
    return Run([&] { record_->SetInt1(value); });
}
HRESULT StandInObject::put_Value2(short value) {
    return Run([&] { record_->SetInt2(value); });
}
HRESULT StandInObject::PutText(void (host::UivObject::*set)(const std::string&), BSTR value) {
    return Run([&] { ((*record_).*set)(com::FromBstr(value)); });
}
HRESULT StandInObject::put_Name(BSTR value) {
    return PutText(&host::UivObject::SetName, value);
}
HRESULT StandInObject::put_SymbolCode(BSTR value) {
    return PutText(&host::UivObject::SetSymbolCode, value);
}
HRESULT StandInObject::put_Latitude(float degrees) {
    return Run([&] { record_->SetLatitude(degrees); });
}
HRESULT StandInObject::put_Longitude(float degrees) {
    return Run([&] { record_->SetLongitude(degrees); });
}
HRESULT StandInObject::put_Comment(BSTR value) {
    return PutText(&host::UivObject::SetComment, value);
}
HRESULT StandInObject::put_SymbolTable(BSTR value) {
    return PutText(&host::UivObject::SetSymbolTable, value);
}

StandInApplication::StandInApplication(ServerState& state)
    : EventingObject(state, __uuidof(_UivApplication), __uuidof(__UivApplication)),
      application_(state.sim.NewApplication()) {}

HRESULT StandInApplication::CalcDistanceBearing(double* lat1, double* lon1, double* lat2, double* lon2,
                                                double* distance, double* bearing, VARIANT_BOOL* flag) {
    return Run([&] {
        const host::DistanceBearing result =
            application_->CalcDistanceBearing(*lat1, *lon1, *lat2, *lon2, *flag != VARIANT_FALSE);
        *distance = result.distanceKm;
        *bearing = result.bearingDegrees;
    });
}

namespace {

template <typename T>
ComPtr<T> Own(IDispatch* object, const char* what) {
    ComPtr<T> own = OwnObject<T>(object);
    if (!own) throw std::invalid_argument(std::string("not a ") + what + " of this host");
    return own;
}

// Puts the object, taken over, where the in/out argument pointed, releasing what was there.
void HandBack(IDispatch** slot, IDispatch* object) {
    ComPtr<IDispatch> old(std::exchange(*slot, object));
}

}  // namespace

HRESULT StandInApplication::GetStationInfo(IDispatch** info, VARIANT_BOOL* found) {
    return Run([&] {
        ComPtr<StandInStationInfo> station = Own<StandInStationInfo>(*info, "station information object");
        if (state_.TakeMisbehaviour("GetStationInfo", kHandBackStranger)) {
            HandBack(info, new StandInObject(state_));
            *found = VARIANT_TRUE;
            return;
        }
        if (state_.TakeMisbehaviour("GetStationInfo", kHandBackAnother)) {
            ComPtr<StandInStationInfo> another(new StandInStationInfo(state_));
            another->sim().SetCallsign(station->Callsign());
            station = std::move(another);
            HandBack(info, ComPtr<IDispatch>::Share(station.get()).Detach());
        }
        *found = application_->GetStationInfo(station->sim()) ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

HRESULT StandInApplication::GetMap(IDispatch** map) {
    return Run([&] {
        if (state_.TakeMisbehaviour("GetMap", kHandBackStranger))
            HandBack(map, new StandInObject(state_));
        else
            HandBack(map, new StandInMap(state_, application_->GetMap()));
    });
}

HRESULT StandInApplication::GetObjectList(SAFEARRAY** list) {
    return Run([&] { com::SafeArray old(std::exchange(*list, ObjectList())); });
}

namespace {

// A list of empty texts with the bounds given, as no host's list has them.
SAFEARRAY* EmptyTexts(SAFEARRAYBOUND bounds) {
    SAFEARRAY* array = SafeArrayCreate(VT_BSTR, 1, &bounds);
    if (!array) throw std::bad_alloc();
    return array;
}

}  // namespace

// The host's list from element 0 on, or, when asked to break the rules, one with bounds beyond reason.
SAFEARRAY* StandInApplication::ObjectList() {
    const std::vector<std::string> texts = application_->GetObjectList();
    if (state_.TakeMisbehaviour("GetObjectList", kUpperBoundAtLimit))
        return EmptyTexts({2, std::numeric_limits<LONG>::max() - 1});
    if (state_.TakeMisbehaviour("GetObjectList", kHugeLowerBound)) return EmptyTexts({1, 2'000'000'000});
    com::SafeArray array(SafeArrayCreateVector(VT_BSTR, 0, static_cast<ULONG>(texts.size())));
    if (!array.get()) throw std::bad_alloc();
    for (LONG i = 0; i < static_cast<LONG>(texts.size()); ++i) {
        const Bstr text = com::ToBstr(texts[static_cast<size_t>(i)]);
        if (FAILED(SafeArrayPutElement(array.get(), &i, text.get()))) throw std::bad_alloc();
    }
    return array.Detach();
}

HRESULT StandInApplication::AddObject(IDispatch** record, short* result) {
    return Run([&] {
        ComPtr<StandInObject> object = Own<StandInObject>(*record, "object record");
        *result = application_->AddObject(object->sim());
    });
}

HRESULT StandInApplication::DeleteObject(BSTR* name, VARIANT_BOOL* flag, short* result) {
    return Run([&] { *result = application_->DeleteObject(com::FromBstr(*name), *flag != VARIANT_FALSE); });
}

}  // namespace trivex::standin
