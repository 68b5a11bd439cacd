// A client of the stand-in server's control object, for tests that drive the stand-in, and a
// receiver of the host's events in the test.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "com/dispatch_win32.h"
#include "host/host.h"

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

// Records the host's events as text, each after handing it to `onEvent`, which may throw.
class EventRecorder : public host::HostEvents {
  public:
    void DataAvailable() override { Record("DataAvailable()"); }
    void NotifyBeacon(const std::string& callsign, float latitude, float longitude) override;
    void UIView32IsClosing() override { Record("UIView32IsClosing()"); }
    void MapHasChanged() override { Record("MapHasChanged()"); }
    void MapRedrawn() override { Record("MapRedrawn()"); }
    std::vector<std::string> Take() { return std::exchange(events_, {}); }

    std::function<void(const std::string&)> onEvent = [](const std::string&) {};

  private:
    void Record(const std::string& event);
    std::vector<std::string> events_;
};

}  // namespace trivex::standin
