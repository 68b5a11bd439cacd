// A client of the stand-in server's control object, for tests that drive the stand-in.
#pragma once

#include <string>

#include "com/dispatch_win32.h"

namespace trivex::standin {

class StandInControlClient {
  public:
    // Creates a control object, starting the registered stand-in server if it is not running.
    StandInControlClient();

    // An operation of the control object whose arguments are texts (the stand-in's IDL names
    // them): LoadScenario, FireEvent, RegisterTypeLibrary; FailNext, FireDuring, Misbehave.
    void Call(const wchar_t* operation, const std::string& text);
    void Call(const wchar_t* operation, const std::string& first, const std::string& second);
    void LoadScenario(const std::string& json) { Call(L"LoadScenario", json); }
    void FireNotifyBeacon(const std::string& callsign, float latitude, float longitude);
    std::string TakeJournal();
    long LiveObjects();
    void DeclareWideIntegers(bool wide);

  private:
    com::Dispatch control_;
};

}  // namespace trivex::standin
