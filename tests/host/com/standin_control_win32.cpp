#include "standin_control_win32.h"

#include <uiview32.h>

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

void StandInControlClient::LoadScenario(const std::string& json) {
    const com::Bstr text = com::ToBstr(json);
    control_.Call(L"LoadScenario", {com::Value(text.get())});
}

void StandInControlClient::FireEvent(const std::string& name) {
    const com::Bstr text = com::ToBstr(name);
    control_.Call(L"FireEvent", {com::Value(text.get())});
}

void StandInControlClient::FireNotifyBeacon(const std::string& callsign, float latitude, float longitude) {
    const com::Bstr text = com::ToBstr(callsign);
    control_.Call(L"FireNotifyBeacon", {com::Value(text.get()), com::Value(latitude), com::Value(longitude)});
}

void StandInControlClient::FailNext(const std::string& operation, const std::string& message) {
    CallWithTexts(L"FailNext", operation, message);
}

void StandInControlClient::FireDuring(const std::string& operation, const std::string& event) {
    CallWithTexts(L"FireDuring", operation, event);
}

void StandInControlClient::Misbehave(const std::string& operation, const std::string& how) {
    CallWithTexts(L"Misbehave", operation, how);
}

std::string StandInControlClient::ReadJournal() {
    return com::ToString(control_.Call(L"ReadJournal", {}), L"ReadJournal");
}

std::string StandInControlClient::TakeJournal() {
    return com::ToString(control_.Call(L"TakeJournal", {}), L"TakeJournal");
}

void StandInControlClient::DeclareWideIntegers(bool wide) {
    control_.Call(L"DeclareWideIntegers", {com::ValueBool(wide)});
}

void StandInControlClient::RegisterTypeLibrary(const std::string& which) {
    const com::Bstr text = com::ToBstr(which);
    control_.Call(L"RegisterTypeLibrary", {com::Value(text.get())});
}

long StandInControlClient::LiveObjects() {
    com::Variant count = control_.Get(L"LiveObjects");
    com::Check(VariantChangeType(count.get(), count.get(), 0, VT_I4), "LiveObjects");
    return V_I4(count.get());
}

void StandInControlClient::CallWithTexts(const wchar_t* name, const std::string& first,
                                         const std::string& second) {
    const com::Bstr a = com::ToBstr(first), b = com::ToBstr(second);
    control_.Call(name, {com::Value(a.get()), com::Value(b.get())});
}

}  // namespace trivex::standin
