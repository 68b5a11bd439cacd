#include "control_win32.h"

#include "data_json.h"
#include "registration_win32.h"

namespace trivex::standin {

using com::FromBstr;

StandInControl::StandInControl(ServerState& state)
    : DispatchObject(state, __uuidof(IStandInControl)), state_(state) {}

HRESULT StandInControl::LoadScenario(BSTR json) {
    return Run([&] { standin::LoadScenario(FromBstr(json), state_.sim); });
}

HRESULT StandInControl::FireEvent(BSTR name) {
    return Run([&] { state_.sim.Fire(EventNamed(FromBstr(name))); });
}

HRESULT StandInControl::FireNotifyBeacon(BSTR callsign, float latitude, float longitude) {
    return Run([&] { state_.sim.FireNotifyBeacon(FromBstr(callsign), latitude, longitude); });
}

HRESULT StandInControl::FailNext(BSTR operation, BSTR message) {
    return Run([&] { state_.sim.FailNext(FromBstr(operation), FromBstr(message)); });
}

HRESULT StandInControl::FireDuring(BSTR operation, BSTR event) {
    return Run([&] { state_.sim.FireDuring(FromBstr(operation), EventNamed(FromBstr(event))); });
}

HRESULT StandInControl::Misbehave(BSTR operation, BSTR how) {
    return Run([&] { state_.Misbehave(FromBstr(operation), FromBstr(how)); });
}

HRESULT StandInControl::ReadJournal(BSTR* json) {
    return Run([&] { *json = com::ToBstr(JournalJson(state_.sim.Journal())).Detach(); });
}

HRESULT StandInControl::TakeJournal(BSTR* json) {
    return Run([&] { *json = com::ToBstr(JournalJson(state_.sim.TakeJournal())).Detach(); });
}

HRESULT StandInControl::DeclareWideIntegers(VARIANT_BOOL wide) {
    state_.wideIntegers = wide != VARIANT_FALSE;
    return S_OK;
}

HRESULT StandInControl::RegisterTypeLibrary(BSTR which) {
    return Run([&] { RegisterHostTypeLibrary(state_.executable, FromBstr(which)); });
}

HRESULT StandInControl::RejectNextCallsAsBusy(LONG count) {
    state_.busyCalls = count;
    return S_OK;
}

HRESULT StandInControl::get_LiveObjects(LONG* count) {
    *count = state_.liveObjects;
    return S_OK;
}

}  // namespace trivex::standin
