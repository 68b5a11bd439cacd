// The stand-in's control object: lets tests change the host's data, fire its events, make
// operations fail and read the call journal.
#pragma once

#include <uiview32.h>

#include "dispatch_object_win32.h"

namespace trivex::standin {

class StandInControl final : public DispatchObject<IStandInControl> {
  public:
    explicit StandInControl(ServerState& state);

    HRESULT STDMETHODCALLTYPE LoadScenario(BSTR json) override;
    HRESULT STDMETHODCALLTYPE FireEvent(BSTR name) override;
    HRESULT STDMETHODCALLTYPE FireNotifyBeacon(BSTR callsign, float latitude, float longitude) override;
    HRESULT STDMETHODCALLTYPE FailNext(BSTR operation, BSTR message) override;
    HRESULT STDMETHODCALLTYPE FireDuring(BSTR operation, BSTR event) override;
    HRESULT STDMETHODCALLTYPE Misbehave(BSTR operation, BSTR how) override;
    HRESULT STDMETHODCALLTYPE ReadJournal(BSTR* json) override;
    HRESULT STDMETHODCALLTYPE TakeJournal(BSTR* json) override;
    HRESULT STDMETHODCALLTYPE DeclareWideIntegers(VARIANT_BOOL wide) override;
    HRESULT STDMETHODCALLTYPE RegisterTypeLibrary(BSTR which) override;
    HRESULT STDMETHODCALLTYPE RejectNextCallsAsBusy(LONG count) override;
    HRESULT STDMETHODCALLTYPE get_LiveObjects(LONG* count) override;

  private:
    ServerState& state_;
};

}  // namespace trivex::standin
