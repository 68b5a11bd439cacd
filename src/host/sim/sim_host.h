// The simulated host: an in-process stand-in for UI-View32's automation server. It holds a
// map view, stations and an object list, records every call that changes something or
// carries arguments that matter in a journal, can fail a chosen call and can fire events
// from inside calls, as a COM server may.
//
// Objects it creates refer to it: the SimHost must outlive them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "host/host.h"

namespace trivex::sim {

// The area the host's map shows and its size on the screen.
struct MapArea {
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
    std::string name;
    float latitude = 0.0f;
    float longitude = 0.0f;
    std::string comment;
    std::string symbolCode;
    std::string symbolTable;
    bool flag = false;
    int16_t int1 = 0;
    int16_t int2 = 0;
    bool operator==(const ObjectRecord&) const = default;
};

// Hands each field to visit(name, value), named as the host's object names it, in record order.
template <typename Visit>
void ForEachField(const ObjectRecord& record, Visit&& visit) {
    visit("Name", record.name);
    visit("Latitude", record.latitude);
    visit("Longitude", record.longitude);
    visit("Comment", record.comment);
    visit("SymbolCode", record.symbolCode);
    visit("SymbolTable", record.symbolTable);
    visit("Flag", record.flag);
    visit("Int1", record.int1);
    visit("Int2", record.int2);
}

// Station information that only holds a record: the host answering GetStationInfo fills in
// `own` or points `record` at a record of its own.
struct StationRecord : host::UivStationInfo {
    void SetCallsign(const std::string& callsign) override { record->callsign = callsign; }
    std::string InfoText1() override { return record->infoText1; }
    std::string InfoText2() override { return record->infoText2; }
    std::string InfoText3() override { return record->infoText3; }
    float Longitude() override { return record->longitude; }
    float Latitude() override { return record->latitude; }
    Station own;
    Station* record = &own;
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
    MapArea map;
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
    // Runs after every call is journaled, before the events bound to it: a way to act in the
    // middle of the program's work, or to count its calls.
    void AfterEveryCall(std::function<void(const std::string& call)> hook);

    // Delivers an event to every subscribed sink of its kind (application or map events).
    void Fire(Event event);
    void FireNotifyBeacon(const std::string& callsign, float latitude, float longitude);

    // The sink hears the application's events, or with mapEvents the map's; one sink per owner.
    void Subscribe(const void* owner, bool mapEvents, host::HostEvents* sink);
    void Unsubscribe(const void* owner);
    [[nodiscard]] const Station* FindStation(const std::string& callsign) const;

  private:
    class Application;
    class Map;
    class StationInfo;
    class Object;

    // One call of the host's objects: fails it when a failure is set for it, does its work,
    // journals it with `journaled` (nothing: not journaled), then fires the events bound to it.
    template <typename Work>
    std::invoke_result_t<Work> Call(const char* call, Work work,
                                    std::optional<std::vector<JournalArg>> journaled = std::nullopt);
    void CheckFailure(const std::string& call);
    void AfterCall(const std::string& call);

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
    std::function<void(const std::string&)> afterEveryCall_;
};

}  // namespace trivex::sim
