// What the stand-in server's objects share: the simulated host, the type library, the
// count of live host objects and the objects that pass the host's events to clients.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "com/com_raii_win32.h"
#include "host/sim/sim_host.h"
#include "wide_integers_win32.h"

namespace trivex::standin {

// The ways the server breaks the COM rules when a test asks it to.
inline constexpr const char* kFailWithTexts = "failWithTexts";
inline constexpr const char* kUpperBoundAtLimit = "upperBoundAtLimit";
inline constexpr const char* kHugeLowerBound = "hugeLowerBound";
inline constexpr const char* kHandBackAnother = "handBackAnother";
inline constexpr const char* kHandBackStranger = "handBackStranger";

// Keeps the server process running while a COM object of it lives.
void LockServer();
void UnlockServer();

// An application or map object: passes the host's events of its kind to its clients.
class EventEmitter {
  public:
    [[nodiscard]] virtual IUnknown& Identity() = 0;
    [[nodiscard]] virtual bool EmitsMapEvents() const = 0;
    virtual void Emit(sim::Event event, const std::string& callsign, float latitude, float longitude) = 0;

  protected:
    ~EventEmitter() = default;
};

class ServerState : private host::HostEvents {
  public:
    // The executable holds the standard type library as its first resource, the wide one as its second.
    ServerState(std::wstring executable, com::ComPtr<ITypeLib> typeLibrary,
                com::ComPtr<ITypeLib> wideLibrary);
    ServerState(const ServerState&) = delete;
    ServerState& operator=(const ServerState&) = delete;
    ~ServerState() override;

    const std::wstring executable;
    sim::SimHost sim;
    // The host's objects follow the wide library's declaration (see IStandInControl).
    bool wideIntegers = false;
    // Application, map, station information and object record objects alive.
    long liveObjects = 0;
    // Calls on those objects still to be turned away as busy.
    long busyCalls = 0;

    // The type information of an interface or event interface.
    [[nodiscard]] com::ComPtr<ITypeInfo> TypeInfo(const IID& iid) const;
    // The vtable part of a dual interface, for DispInvoke.
    [[nodiscard]] com::ComPtr<ITypeInfo> VtableInfo(const IID& iid) const;
    // The wide declaration while the host's objects follow it, else nothing.
    [[nodiscard]] const WideIntegers* Wide() const { return wideIntegers ? &wide_ : nullptr; }

    void AddEmitter(EventEmitter& emitter);
    void RemoveEmitter(EventEmitter& emitter);

    // The next call of the operation breaks the COM rules in the way named (see IStandInControl).
    void Misbehave(const std::string& operation, const std::string& how);
    // True, once, when the next call of the operation is to break the rules in that way.
    [[nodiscard]] bool TakeMisbehaviour(const std::string& operation, const std::string& how);

  private:
    void DataAvailable() override;
    void NotifyBeacon(const std::string& callsign, float latitude, float longitude) override;
    void UIView32IsClosing() override;
    void MapHasChanged() override;
    void MapRedrawn() override;
    void Broadcast(sim::Event event, const std::string& callsign = {}, float latitude = 0,
                   float longitude = 0);

    com::ComPtr<ITypeLib> typeLibrary_;
    WideIntegers wide_;
    std::vector<EventEmitter*> emitters_;
    std::vector<std::pair<std::string, std::string>> misbehaviours_;  // operation, how
    // Subscribed to the simulated host: they receive every event it fires.
    std::unique_ptr<host::UivApplication> applicationEvents_;
    std::unique_ptr<host::UivMap> mapEvents_;
};

// Counts one live host object for as long as it exists.
class LiveObject {
  public:
    explicit LiveObject(ServerState& state) : state_(state) { ++state_.liveObjects; }
    LiveObject(const LiveObject&) = delete;
    LiveObject& operator=(const LiveObject&) = delete;
    ~LiveObject() { --state_.liveObjects; }

  private:
    ServerState& state_;
};

}  // namespace trivex::standin
