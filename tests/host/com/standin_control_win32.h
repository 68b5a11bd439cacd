// A client of the stand-in server's control object, for tests that drive the stand-in.
#pragma once

#include <string>

#include "com/dispatch_win32.h"

namespace trivex::standin {

class StandInControlClient {
  public:
    // Creates a control object, starting the registered stand-in server if it is not running.
    StandInControlClient();

    void LoadScenario(const std::string& json);
    void FireEvent(const std::string& name);
    void FireNotifyBeacon(const std::string& callsign, float latitude, float longitude);
    void FailNext(const std::string& operation, const std::string& message);
    void FireDuring(const std::string& operation, const std::string& event);
    void Misbehave(const std::string& operation, const std::string& how);
    std::string ReadJournal();
    std::string TakeJournal();
    long LiveObjects();
    void DeclareWideIntegers(bool wide);
    void RegisterTypeLibrary(const std::string& which);

  private:
    void CallWithTexts(const wchar_t* name, const std::string& first, const std::string& second);

    com::Dispatch control_;
};

}  // namespace trivex::standin
