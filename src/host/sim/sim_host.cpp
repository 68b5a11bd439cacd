#include "host/sim/sim_host.h"

#include <algorithm>
#include <utility>

#include "geometry/great_circle.h"

namespace trivex::sim {

template <typename Work>
std::invoke_result_t<Work> SimHost::Call(const char* call, Work work,
                                         std::optional<std::vector<JournalArg>> journaled) {
    CheckFailure(call);
    if (journaled) journal_.push_back({call, std::move(*journaled)});
    if constexpr (std::is_void_v<std::invoke_result_t<Work>>) {
        work();
        AfterCall(call);
    } else {
        auto result = work();
        AfterCall(call);
        return result;
    }
}

// The host's objects: every operation goes through SimHost::Call.
class SimHost::StationInfo : public host::UivStationInfo {
  public:
    explicit StationInfo(SimHost& host) : host_(host) {}
    void SetCallsign(const std::string& callsign) override {
        host_.Call("Callsign", [&] { data_.callsign = callsign; });
    }
    std::string InfoText1() override { return Get("InfoText1", data_.infoText1); }
    std::string InfoText2() override { return Get("InfoText2", data_.infoText2); }
    std::string InfoText3() override { return Get("InfoText3", data_.infoText3); }
    float Longitude() override { return Get("Longitude", data_.longitude); }
    float Latitude() override { return Get("Latitude", data_.latitude); }

    Station& data() { return data_; }

  private:
    template <typename T>
    T Get(const char* call, const T& value) {
        return host_.Call(call, [&] { return value; });
    }
    SimHost& host_;
    Station data_;
};

class SimHost::Object : public host::UivObject {
  public:
    explicit Object(SimHost& host) : host_(host) {}
    void SetFlag(bool flag) override { Set("Flag", record_.flag, flag); }
    void SetInt1(int16_t value) override { Set("Int1", record_.int1, value); }
    void SetInt2(int16_t value) override { Set("Int2", record_.int2, value); }
    void SetName(const std::string& name) override { Set("Name", record_.name, name); }
    void SetSymbolCode(const std::string& code) override { Set("SymbolCode", record_.symbolCode, code); }
    void SetLatitude(float degrees) override { Set("Latitude", record_.latitude, degrees); }
    void SetLongitude(float degrees) override { Set("Longitude", record_.longitude, degrees); }
    void SetComment(const std::string& comment) override { Set("Comment", record_.comment, comment); }
    void SetSymbolTable(const std::string& table) override { Set("SymbolTable", record_.symbolTable, table); }

    const ObjectRecord& record() const { return record_; }

  private:
    template <typename T>
    void Set(const char* call, T& field, const T& value) {
        host_.Call(call, [&] { field = value; });
    }
    SimHost& host_;
    ObjectRecord record_;
};

class SimHost::Map : public host::UivMap {
  public:
    explicit Map(SimHost& host) : host_(host) {}
    ~Map() override { host_.Unsubscribe(this); }

    void DrawCircle(float x, float y, float radius, host::Colour colour, double startAngle, double endAngle,
                    float aspect) override {
        Draw("DrawCircle", {x, y, radius, colour, startAngle, endAngle, aspect});
    }
    int16_t GetHeightPixels() override { return Get("GetHeightPixels", host_.map.heightPixels); }
    int16_t GetWidthPixels() override { return Get("GetWidthPixels", host_.map.widthPixels); }
    float GetHeightUnits() override { return Get("GetHeightUnits", host_.map.heightUnits); }
    float GetLeftEdge() override { return Get("GetLeftEdge", host_.map.leftEdge); }
    float GetWidthUnits() override { return Get("GetWidthUnits", host_.map.widthUnits); }
    void DrawLine(float x1, float y1, float x2, float y2, host::Colour colour, int16_t style) override {
        Draw("DrawLine", {x1, y1, x2, y2, colour, style});
    }
    void SetLineWidth(int16_t width) override { Draw("SetLineWidth", {width}); }
    void SetMarkerStyle(int16_t style) override { Draw("SetMarkerStyle", {style}); }
    void SetMarkerColour(host::Colour colour) override { Draw("SetMarkerColour", {colour}); }
    void Subscribe(host::HostEvents* sink) override { host_.Subscribe(this, true, sink); }

  private:
    // The map's getters are not journaled.
    template <typename T>
    T Get(const char* call, T value) {
        return host_.Call(call, [value] { return value; });
    }
    void Draw(const char* call, std::vector<JournalArg> args) {
        host_.Call(
            call, [] {}, std::move(args));
    }
    SimHost& host_;
};

class SimHost::Application : public host::UivApplication {
  public:
    explicit Application(SimHost& host) : host_(host) {}
    ~Application() override { host_.Unsubscribe(this); }

    host::DistanceBearing CalcDistanceBearing(double lat1, double lon1, double lat2, double lon2,
                                              bool flag) override {
        return host_.Call(
            "CalcDistanceBearing",
            [&]() -> host::DistanceBearing {
                const geometry::GreatCircleLeg leg = geometry::GreatCircle(lat1, lon1, lat2, lon2);
                return {leg.distanceKm, leg.bearingDegrees};
            },
            std::vector<JournalArg>{lat1, lon1, lat2, lon2, flag});
    }

    bool GetStationInfo(host::UivStationInfo& info) override {
        Station& asked = dynamic_cast<StationInfo&>(info).data();
        return host_.Call(
            "GetStationInfo",
            [&] {
                const Station* station = host_.FindStation(asked.callsign);
                if (station) asked = *station;
                return station != nullptr;
            },
            std::vector<JournalArg>{asked.callsign});
    }

    std::unique_ptr<host::UivMap> GetMap() override {
        return host_.Call("GetMap",
                          [&]() -> std::unique_ptr<host::UivMap> { return std::make_unique<Map>(host_); });
    }

    std::vector<std::string> GetObjectList() override {
        return host_.Call(
            "GetObjectList",
            [&] {
                std::vector<std::string> list{""};
                list.insert(list.end(), host_.objects.begin(), host_.objects.end());
                return list;
            },
            std::vector<JournalArg>{});
    }

    int16_t AddObject(host::UivObject& record) override {
        const ObjectRecord& added = dynamic_cast<const Object&>(record).record();
        return host_.Call(
            "AddObject", [&] { return AddListed(added.name); }, std::vector<JournalArg>{added});
    }

    int16_t DeleteObject(const std::string& name, bool flag) override {
        return host_.Call(
            "DeleteObject", [&] { return DeleteListed(name); }, std::vector<JournalArg>{name, flag});
    }

    void Subscribe(host::HostEvents* sink) override { host_.Subscribe(this, false, sink); }

  private:
    int16_t AddListed(const std::string& name) {
        host_.objects.push_back("*" + name);
        return 0;
    }
    int16_t DeleteListed(const std::string& name) {
        std::erase_if(host_.objects,
                      [&](const std::string& text) { return text.size() >= 1 && text.substr(1) == name; });
        return 0;
    }
    SimHost& host_;
};

SimHost::~SimHost() = default;

std::unique_ptr<host::UivApplication> SimHost::NewApplication() {
    return std::make_unique<Application>(*this);
}
std::unique_ptr<host::UivStationInfo> SimHost::NewStationInfo() {
    return std::make_unique<StationInfo>(*this);
}
std::unique_ptr<host::UivObject> SimHost::NewObject() {
    return std::make_unique<Object>(*this);
}

std::vector<JournalEntry> SimHost::TakeJournal() {
    return std::exchange(journal_, {});
}

void SimHost::FailNext(const std::string& call, const std::string& message) {
    failures_.push_back({call, message});
}

void SimHost::FireDuring(const std::string& call, Event event) {
    CallEvent rule;
    rule.call = call;
    rule.event = event;
    FireDuring(std::move(rule));
}

void SimHost::FireDuring(CallEvent rule) {
    rules_.push_back(Rule{std::move(rule), 0, 0});
}

void SimHost::LimitCallEvents(int limit) {
    eventsLeft_ = limit;
    withheld_ = false;
}

void SimHost::Fire(Event event) {
    Deliver(event, {}, 0.0f, 0.0f);
}

void SimHost::FireNotifyBeacon(const std::string& callsign, float latitude, float longitude) {
    Deliver(Event::NotifyBeacon, callsign, latitude, longitude);
}

void SimHost::AfterEveryCall(std::function<void(const std::string& call)> hook) {
    afterEveryCall_ = std::move(hook);
}

void SimHost::CheckFailure(const std::string& call) {
    auto failure =
        std::find_if(failures_.begin(), failures_.end(), [&](const Failure& f) { return f.call == call; });
    if (failure == failures_.end()) return;
    const std::string message = failure->message;
    failures_.erase(failure);
    throw host::HostError(message);
}

void SimHost::AfterCall(const std::string& call) {
    if (afterEveryCall_) afterEveryCall_(call);
    // Collected first: a handler may add rules while the events are delivered.
    std::vector<CallEvent> due;
    for (Rule& rule : rules_) {
        if (rule.event.call != call || rule.calls++ < rule.event.after) continue;
        if (rule.event.times && rule.fired >= *rule.event.times) continue;
        ++rule.fired;
        due.push_back(rule.event);
    }
    for (const CallEvent& event : due) {
        if (eventsLeft_ && *eventsLeft_ == 0) {
            withheld_ = true;
            return;
        }
        if (eventsLeft_) --*eventsLeft_;
        Deliver(event.event, event.callsign, event.latitude, event.longitude);
    }
}

void SimHost::Subscribe(const void* owner, bool mapEvents, host::HostEvents* sink) {
    Unsubscribe(owner);
    if (sink) sinks_.push_back({owner, mapEvents, sink});
}

void SimHost::Unsubscribe(const void* owner) {
    std::erase_if(sinks_, [&](const Sink& s) { return s.owner == owner; });
}

const Station* SimHost::FindStation(const std::string& callsign) const {
    auto it = std::find_if(stations.begin(), stations.end(),
                           [&](const Station& s) { return s.callsign == callsign; });
    return it == stations.end() ? nullptr : &*it;
}

bool SimHost::IsMapEvent(Event event) {
    return event == Event::MapHasChanged || event == Event::MapRedrawn;
}

void SimHost::Deliver(Event event, const std::string& callsign, float latitude, float longitude) {
    // A copy: a sink may subscribe or unsubscribe while it handles the event.
    const std::vector<Sink> sinks = sinks_;
    for (const Sink& s : sinks) {
        if (s.mapEvents != IsMapEvent(event)) continue;
        switch (event) {
            case Event::DataAvailable:
                s.sink->DataAvailable();
                break;
            case Event::NotifyBeacon:
                s.sink->NotifyBeacon(callsign, latitude, longitude);
                break;
            case Event::UIView32IsClosing:
                s.sink->UIView32IsClosing();
                break;
            case Event::MapHasChanged:
                s.sink->MapHasChanged();
                break;
            case Event::MapRedrawn:
                s.sink->MapRedrawn();
                break;
        }
    }
}

}  // namespace trivex::sim
