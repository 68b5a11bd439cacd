// The host's object kinds over COM, each owning the server object's IDispatch.
#pragma once

#include <memory>

#include "com/dispatch_win32.h"
#include "com/type_info_win32.h"
#include "host/com/com_host_error_win32.h"
#include "host/com/event_connection_win32.h"
#include "host/com/host_guids_win32.h"
#include "host/host.h"

namespace trivex::com {

// Throws ComError saying `what` when the object is not of the interface.
void RequireInterface(IDispatch& object, const IID& iid, const std::string& what);

// The object, called as an object of the interface (RequireInterface says whether it is one).
[[nodiscard]] Dispatch OfInterface(ComPtr<IDispatch> object, const IID& iid, InterfaceCatalog& interfaces);

// Subscribes a receiver to one event interface of an object, connecting on first use.
class EventSubscription {
  public:
    EventSubscription(Dispatch& source, const IID& events) : source_(source), events_(events) {}
    EventSubscription(const EventSubscription&) = delete;
    EventSubscription& operator=(const EventSubscription&) = delete;
    void Subscribe(host::HostEvents* receiver);

  private:
    Dispatch& source_;
    IID events_;
    std::unique_ptr<EventConnection> connection_;
};

class ComMap : public host::UivMap {
  public:
    explicit ComMap(Dispatch map) : map_(std::move(map)) {}

    void DrawCircle(float x, float y, float radius, host::Colour colour, double startAngle, double endAngle,
                    float aspect) override;
    [[nodiscard]] int16_t GetHeightPixels() override { return GetShort(L"GetHeightPixels"); }
    [[nodiscard]] int16_t GetWidthPixels() override { return GetShort(L"GetWidthPixels"); }
    [[nodiscard]] float GetHeightUnits() override { return GetFloat(L"GetHeightUnits"); }
    [[nodiscard]] float GetLeftEdge() override { return GetFloat(L"GetLeftEdge"); }
    [[nodiscard]] float GetWidthUnits() override { return GetFloat(L"GetWidthUnits"); }
    void DrawLine(float x1, float y1, float x2, float y2, host::Colour colour, int16_t style) override;
    void SetLineWidth(int16_t width) override { CallShort(L"SetLineWidth", width); }
    void SetMarkerStyle(int16_t style) override { CallShort(L"SetMarkerStyle", style); }
    void SetMarkerColour(host::Colour colour) override;
    void Subscribe(host::HostEvents* receiver) override { events_.Subscribe(receiver); }

  private:
    [[nodiscard]] int16_t GetShort(const wchar_t* name);
    [[nodiscard]] float GetFloat(const wchar_t* name);
    void CallShort(const wchar_t* name, int16_t value);

    Dispatch map_;
    EventSubscription events_{map_, kMapEvents};
};

class ComStationInfo : public host::UivStationInfo {
  public:
    explicit ComStationInfo(Dispatch info) : info_(std::move(info)) {}
    [[nodiscard]] IDispatch* get() const { return info_.get(); }
    // The object the host handed back in its place.
    void Replace(ComPtr<IDispatch> info) { info_.Replace(std::move(info)); }

    void SetCallsign(const std::string& callsign) override;
    [[nodiscard]] std::string InfoText1() override { return Text(L"InfoText1"); }
    [[nodiscard]] std::string InfoText2() override { return Text(L"InfoText2"); }
    [[nodiscard]] std::string InfoText3() override { return Text(L"InfoText3"); }
    [[nodiscard]] float Longitude() override { return Degrees(L"Longitude"); }
    [[nodiscard]] float Latitude() override { return Degrees(L"Latitude"); }

  private:
    std::string Text(const wchar_t* name) {
        return AsHostError([&] { return ToString(info_.Get(name), name); });
    }
    float Degrees(const wchar_t* name) {
        return AsHostError([&] { return ToFloat(info_.Get(name), name); });
    }

    Dispatch info_;
};

// The record's flag and two integers have no fixed names: they are the first boolean and the
// first two 16-bit integer properties of the record's interface (the first two integer ones
// of a host that declares fewer), which needs type information.
class ComObject : public host::UivObject {
  public:
    explicit ComObject(Dispatch record);
    [[nodiscard]] IDispatch* get() const { return record_.get(); }

    void SetFlag(bool flag) override { Put(*flag_, ValueBool(flag)); }
    void SetInt1(int16_t value) override { Put(*int1_, Value(value)); }
    void SetInt2(int16_t value) override { Put(*int2_, Value(value)); }
    void SetName(const std::string& name) override { PutText(L"Name", name); }
    void SetSymbolCode(const std::string& code) override { PutText(L"SymbolCode", code); }
    void SetLatitude(float degrees) override { Put(L"Latitude", Value(degrees)); }
    void SetLongitude(float degrees) override { Put(L"Longitude", Value(degrees)); }
    void SetComment(const std::string& comment) override { PutText(L"Comment", comment); }
    void SetSymbolTable(const std::string& table) override { PutText(L"SymbolTable", table); }

  private:
    template <typename Property>
    void Put(const Property& property, VARIANT value) {
        AsHostError([&] { record_.Put(property, value); });
    }
    void PutText(const wchar_t* name, const std::string& text);

    Dispatch record_;
    const Member *flag_, *int1_, *int2_;
};

class ComApplication : public host::UivApplication {
  public:
    ComApplication(ComPtr<IDispatch> application, std::shared_ptr<InterfaceCatalog> interfaces);

    [[nodiscard]] host::DistanceBearing CalcDistanceBearing(double lat1, double lon1, double lat2,
                                                            double lon2, bool flag) override;
    [[nodiscard]] bool GetStationInfo(host::UivStationInfo& info) override;
    [[nodiscard]] std::unique_ptr<host::UivMap> GetMap() override;
    [[nodiscard]] std::vector<std::string> GetObjectList() override;
    [[nodiscard]] int16_t AddObject(host::UivObject& record) override;
    [[nodiscard]] int16_t DeleteObject(const std::string& name, bool flag) override;
    void Subscribe(host::HostEvents* receiver) override { events_.Subscribe(receiver); }

  private:
    std::shared_ptr<InterfaceCatalog> interfaces_;
    Dispatch application_;
    EventSubscription events_{application_, kApplicationEvents};
};

}  // namespace trivex::com
