#include "standin_control_win32.h"

#include <uiview32.h>

#include <sstream>

#include "com/com_error_win32.h"
#include "com/com_text_win32.h"

namespace trivex::standin {

namespace {

com::ComPtr<IDispatch> CreateControl() {
    com::ComPtr<IDispatch> control;
    com::Check(CoCreateInstance(CLSID_StandInControl, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                control.OutVoid()),
               "creating the stand-in's control object");
    return control;
}

}  // namespace

StandInControlClient::StandInControlClient() : control_(CreateControl()) {}

void StandInControlClient::Call(const wchar_t* operation, const std::string& text) {
    const com::Bstr bstr = com::ToBstr(text);
    control_.Call(operation, {com::Value(bstr.get())});
}

void StandInControlClient::Call(const wchar_t* operation, const std::string& first,
                                const std::string& second) {
    const com::Bstr a = com::ToBstr(first), b = com::ToBstr(second);
    control_.Call(operation, {com::Value(a.get()), com::Value(b.get())});
}

void StandInControlClient::FireNotifyBeacon(const std::string& callsign, float latitude, float longitude) {
    const com::Bstr text = com::ToBstr(callsign);
    control_.Call(L"FireNotifyBeacon", {com::Value(text.get()), com::Value(latitude), com::Value(longitude)});
}

std::string StandInControlClient::TakeJournal() {
    return com::ToString(control_.Call(L"TakeJournal", {}), L"TakeJournal");
}

void StandInControlClient::DeclareWideIntegers(bool wide) {
    control_.Call(L"DeclareWideIntegers", {com::ValueBool(wide)});
}

long StandInControlClient::LiveObjects() {
    com::Variant count = control_.Get(L"LiveObjects");
    com::Check(VariantChangeType(count.get(), count.get(), 0, VT_I4), "LiveObjects");
    return V_I4(count.get());
}

void EventRecorder::NotifyBeacon(const std::string& callsign, float latitude, float longitude) {
    std::ostringstream text;
    text.precision(9);  // every digit a float holds
    text << "NotifyBeacon(" << callsign << ", " << latitude << ", " << longitude << ")";
    Record(text.str());
}

void EventRecorder::Record(const std::string& event) {
    onEvent(event);
    events_.push_back(event);
}

}  // namespace trivex::standin
