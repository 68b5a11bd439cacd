// The host's automation interface as Trivex uses it: one abstract class per object kind,
// one for the host's events, and a factory for new objects. Implemented by the simulated
// host (in process) and by the COM client of the real host.
//
// Every operation may fail: it then throws HostError carrying the host's error text.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace trivex::host {

class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Colours are 24-bit values in the host's encoding 0x00BBGGRR.
using Colour = int32_t;

// Receives the events of the application object (DataAvailable, NotifyBeacon,
// UIView32IsClosing) and of the map object (MapHasChanged, MapRedrawn).
class HostEvents {
public:
    virtual ~HostEvents() = default;
    virtual void DataAvailable() = 0;
    virtual void NotifyBeacon(const std::string& callsign, float latitude, float longitude) = 0;
    virtual void UIView32IsClosing() = 0;
    virtual void MapHasChanged() = 0;
    virtual void MapRedrawn() = 0;
};

// The host's map view. Positions are map units: x = longitude, y = latitude, in minutes.
class UivMap {
public:
    virtual ~UivMap() = default;
    virtual void DrawCircle(float x, float y, float radius, Colour colour, double startAngle, double endAngle,
                            float aspect) = 0;
    [[nodiscard]] virtual int16_t GetHeightPixels() = 0;
    [[nodiscard]] virtual int16_t GetWidthPixels() = 0;
    [[nodiscard]] virtual float GetHeightUnits() = 0;
    [[nodiscard]] virtual float GetLeftEdge() = 0;
    [[nodiscard]] virtual float GetWidthUnits() = 0;
    virtual void DrawLine(float x1, float y1, float x2, float y2, Colour colour, int16_t style) = 0;
    virtual void SetLineWidth(int16_t width) = 0;
    virtual void SetMarkerStyle(int16_t style) = 0;
    virtual void SetMarkerColour(Colour colour) = 0;

    // Delivers MapHasChanged and MapRedrawn to the sink until it is replaced; nullptr stops them.
    virtual void Subscribe(HostEvents* sink) = 0;
};

// What the host knows of one station. Latitude and longitude are minutes of arc.
class UivStationInfo {
public:
    virtual ~UivStationInfo() = default;
    virtual void SetCallsign(const std::string& callsign) = 0;
    [[nodiscard]] virtual std::string InfoText1() = 0;
    [[nodiscard]] virtual std::string InfoText2() = 0;
    [[nodiscard]] virtual std::string InfoText3() = 0;
    [[nodiscard]] virtual float Longitude() = 0;
    [[nodiscard]] virtual float Latitude() = 0;
};

// A record describing an object to place on the host's map. Latitude and longitude are degrees.
class UivObject {
public:
    virtual ~UivObject() = default;
    virtual void SetFlag(bool flag) = 0;
    virtual void SetInt1(int16_t value) = 0;
    virtual void SetInt2(int16_t value) = 0;
    virtual void SetName(const std::string& name) = 0;
    virtual void SetSymbolCode(const std::string& code) = 0;
    virtual void SetLatitude(float degrees) = 0;
    virtual void SetLongitude(float degrees) = 0;
    virtual void SetComment(const std::string& comment) = 0;
    virtual void SetSymbolTable(const std::string& table) = 0;
};

struct DistanceBearing {
    double distanceKm = 0.0;
    double bearingDegrees = 0.0;
};

class UivApplication {
public:
    virtual ~UivApplication() = default;
    // Great-circle distance (km) and initial bearing (degrees) from point 1 to point 2.
    [[nodiscard]] virtual DistanceBearing CalcDistanceBearing(double lat1, double lon1, double lat2,
                                                              double lon2, bool flag) = 0;
    // Fills the object (whose call-sign is set) and returns true when the host knows the station.
    // The object must come from the same Host as this application object.
    [[nodiscard]] virtual bool GetStationInfo(UivStationInfo& info) = 0;
    [[nodiscard]] virtual std::unique_ptr<UivMap> GetMap() = 0;
    // Indexed as the host's array: element 0 is never used and is empty when the host's
    // array starts at 1. Each text holds an object's name from its second character on.
    [[nodiscard]] virtual std::vector<std::string> GetObjectList() = 0;
    // The record must come from the same Host as this application object.
    [[nodiscard]] virtual int16_t AddObject(UivObject& record) = 0;
    [[nodiscard]] virtual int16_t DeleteObject(const std::string& name, bool flag) = 0;

    // Delivers DataAvailable, NotifyBeacon and UIView32IsClosing to the sink until it is
    // replaced; nullptr stops them.
    virtual void Subscribe(HostEvents* sink) = 0;
};

// Creates new host objects; each call gives a fresh one.
class Host {
public:
    virtual ~Host() = default;
    [[nodiscard]] virtual std::unique_ptr<UivApplication> NewApplication() = 0;
    [[nodiscard]] virtual std::unique_ptr<UivStationInfo> NewStationInfo() = 0;
    [[nodiscard]] virtual std::unique_ptr<UivObject> NewObject() = 0;
};

}  // namespace trivex::host
