// The simulated host: an in-process stand-in for UI-View32's automation server. It holds a
// map view, stations and an object list, records every call that changes something or
// carries arguments that matter in a journal, can fail a chosen call and can fire events
// from inside calls, as a COM server may.
//
// Objects it creates refer to it: the SimHost must outlive them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/host.h"

namespace trivex::sim {

struct MapView {
    int16_t widthPixels = 800;
    int16_t heightPixels = 600;
    float widthUnits = 120.0f;
    float heightUnits = -60.0f;
    float leftEdge = 0.0f;
    float topEdge = 60.0f;  // not part of the host interface; places the view in pictures
};

struct Station {
    std::string callsign;
    float latitude = 0.0f;   // minutes
    float longitude = 0.0f;  // minutes
    std::string infoText1;
    std::string infoText2;
    std::string infoText3;
};

// The fields of an object record as AddObject received them.
struct ObjectRecord {
    std::string Name;
    float Latitude = 0.0f;
    float Longitude = 0.0f;
    std::string Comment;
    std::string SymbolCode;
    std::string SymbolTable;
    bool Flag = false;
    int16_t Int1 = 0;
    int16_t Int2 = 0;
    bool operator==(const ObjectRecord&) const = default;
};

// One argument as the host received it; the alternative keeps its type.
using JournalArg = std::variant<bool, int16_t, int32_t, float, double, std::string, ObjectRecord>;

struct JournalEntry {
    std::string call;
    std::vector<JournalArg> args;
    bool operator==(const JournalEntry&) const = default;
};

enum class Event { DataAvailable, NotifyBeacon, UIView32IsClosing, MapHasChanged, MapRedrawn };

// An event that the calls of one operation fire after they are journaled.
struct CallEvent {
    std::string call;
    Event event = Event::DataAvailable;
    std::string callsign;  // the station of a beacon, and where it stands
    float latitude = 0.0f;
    float longitude = 0.0f;
    int after = 0;             // calls that pass before the first that fires it
    std::optional<int> times;  // how many calls fire it; nothing: every call
};

class SimHost : public host::Host {
  public:
    SimHost() = default;
    SimHost(const SimHost&) = delete;
    SimHost& operator=(const SimHost&) = delete;
    ~SimHost() override;

    [[nodiscard]] std::unique_ptr<host::UivApplication> NewApplication() override;
    [[nodiscard]] std::unique_ptr<host::UivStationInfo> NewStationInfo() override;
    [[nodiscard]] std::unique_ptr<host::UivObject> NewObject() override;

    // The host's data, free to change between calls.
    MapView map;
    std::vector<Station> stations;
    std::vector<std::string> objects;  // listed texts: "*" + name for objects added by AddObject

    [[nodiscard]] const std::vector<JournalEntry>& Journal() const { return journal_; }
    std::vector<JournalEntry> TakeJournal();

    // The next call of that operation throws HostError(message); it is not journaled and fires nothing.
    void FailNext(const std::string& call, const std::string& message);
    // Every call of that operation fires the event after it is journaled.
    void FireDuring(const std::string& call, Event event);
    void FireDuring(CallEvent rule);
    // From now on the calls fire at most `limit` events; those beyond it are withheld.
    void LimitCallEvents(int limit);
    [[nodiscard]] bool CallEventsWithheld() const { return withheld_; }

    // Delivers an event to every subscribed sink of its kind (application or map events).
    void Fire(Event event);
    void FireNotifyBeacon(const std::string& callsign, float latitude, float longitude);

    // Used by the objects this host created.
    void Record(const std::string& call, std::vector<JournalArg> args = {});
    void CheckFailure(const std::string& call);
    void AfterCall(const std::string& call);
    void Subscribe(const void* owner, bool mapEvents, host::HostEvents* sink);
    void Unsubscribe(const void* owner);
    [[nodiscard]] const Station* FindStation(const std::string& callsign) const;

  private:
    struct Failure {
        std::string call;
        std::string message;
    };
    struct Rule {
        CallEvent event;
        int calls = 0;
        int fired = 0;
    };
    struct Sink {
        const void* owner;
        bool mapEvents;
        host::HostEvents* sink;
    };
    [[nodiscard]] static bool IsMapEvent(Event event);
    void Deliver(Event event, const std::string& callsign, float latitude, float longitude);

    std::vector<JournalEntry> journal_;
    std::vector<Failure> failures_;
    std::vector<Rule> rules_;
    std::vector<Sink> sinks_;
    std::optional<int> eventsLeft_;
    bool withheld_ = false;
};

// The host's answer to CalcDistanceBearing: the great circle of geometry/great_circle.h.
[[nodiscard]] host::DistanceBearing GreatCircle(double lat1, double lon1, double lat2, double lon2);

}  // namespace trivex::sim
