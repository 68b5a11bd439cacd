#include "server_state_win32.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string_view>

#include "com/com_error_win32.h"

namespace trivex::standin {

void LockServer() {
    CoAddRefServerProcess();
}

void UnlockServer() {
    if (CoReleaseServerProcess() == 0) PostQuitMessage(0);
}

ServerState::ServerState(std::wstring executable, com::ComPtr<ITypeLib> typeLibrary,
                         com::ComPtr<ITypeLib> wideLibrary)
    : executable(std::move(executable)),
      typeLibrary_(std::move(typeLibrary)),
      wide_(*wideLibrary.get(), *typeLibrary_.get()),
      applicationEvents_(sim.NewApplication()),
      mapEvents_(applicationEvents_->GetMap()) {
    applicationEvents_->Subscribe(this);
    mapEvents_->Subscribe(this);
}

ServerState::~ServerState() = default;

com::ComPtr<ITypeInfo> ServerState::VtableInfo(const IID& iid) const {
    com::ComPtr<ITypeInfo> dispatch = TypeInfo(iid);
    HREFTYPE vtable = 0;
    com::Check(dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtable), "dual interface");
    com::ComPtr<ITypeInfo> info;
    com::Check(dispatch->GetRefTypeInfo(vtable, info.Out()), "dual interface");
    return info;
}

com::ComPtr<ITypeInfo> ServerState::TypeInfo(const IID& iid) const {
    com::ComPtr<ITypeInfo> info;
    com::Check(typeLibrary_->GetTypeInfoOfGuid(iid, info.Out()), "type information");
    return info;
}

void ServerState::AddEmitter(EventEmitter& emitter) {
    emitters_.push_back(&emitter);
}

void ServerState::RemoveEmitter(EventEmitter& emitter) {
    std::erase(emitters_, &emitter);
}

void ServerState::Misbehave(const std::string& operation, const std::string& how) {
    constexpr std::string_view kWays[] = {kFailWithTexts, kUpperBoundAtLimit, kHugeLowerBound,
                                          kHandBackAnother, kHandBackStranger};
    if (std::find(std::begin(kWays), std::end(kWays), how) == std::end(kWays))
        throw std::invalid_argument("no such misbehaviour: " + how);
    misbehaviours_.emplace_back(operation, how);
}

bool ServerState::TakeMisbehaviour(const std::string& operation, const std::string& how) {
    const auto found = std::find(misbehaviours_.begin(), misbehaviours_.end(), std::pair(operation, how));
    if (found == misbehaviours_.end()) return false;
    misbehaviours_.erase(found);
    return true;
}

void ServerState::DataAvailable() {
    Broadcast(sim::Event::DataAvailable);
}
void ServerState::NotifyBeacon(const std::string& callsign, float latitude, float longitude) {
    Broadcast(sim::Event::NotifyBeacon, callsign, latitude, longitude);
}
void ServerState::UIView32IsClosing() {
    Broadcast(sim::Event::UIView32IsClosing);
}
void ServerState::MapHasChanged() {
    Broadcast(sim::Event::MapHasChanged);
}
void ServerState::MapRedrawn() {
    Broadcast(sim::Event::MapRedrawn);
}

void ServerState::Broadcast(sim::Event event, const std::string& callsign, float latitude, float longitude) {
    const bool mapEvent = event == sim::Event::MapHasChanged || event == sim::Event::MapRedrawn;
    // A client may release objects while it receives an event: each one is held meanwhile.
    std::vector<com::ComPtr<IUnknown>> held;
    std::vector<EventEmitter*> targets;
    for (EventEmitter* emitter : emitters_) {
        if (emitter->EmitsMapEvents() != mapEvent) continue;
        held.push_back(com::ComPtr<IUnknown>::Share(&emitter->Identity()));
        targets.push_back(emitter);
    }
    for (EventEmitter* target : targets) target->Emit(event, callsign, latitude, longitude);
}

}  // namespace trivex::standin
