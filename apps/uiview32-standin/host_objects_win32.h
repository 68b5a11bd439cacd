// The host's object kinds as COM objects, each backed by an object of the simulated host.
#pragma once

#include <uiview32.h>

#include <memory>

#include "dispatch_object_win32.h"
#include "event_source_win32.h"

namespace trivex::standin {

// An object that fires one event interface to the clients connected to it.
template <typename Interface>
class EventingObject : public DispatchObject<Interface, IConnectionPointContainer>, public EventEmitter {
  public:
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override {
        if (points) *points = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
        if (!point) return E_POINTER;
        *point = nullptr;
        if (!events_.Serves(iid)) return CONNECT_E_NOCONNECTION;
        events_.AddRef();
        *point = &events_;
        return S_OK;
    }
    [[nodiscard]] IUnknown& Identity() override { return *static_cast<Interface*>(this); }
    void Emit(sim::Event event, const std::string& callsign, float latitude, float longitude) override;

  protected:
    EventingObject(ServerState& state, const IID& iid, const IID& events)
        : DispatchObject<Interface, IConnectionPointContainer>(state, iid),
          state_(state),
          events_(*this, events, state.TypeInfo(events)) {
        state_.AddEmitter(*this);
    }
    ~EventingObject() override { state_.RemoveEmitter(*this); }

    ServerState& state_;

  private:
    LiveObject live_{state_};
    EventSource events_;
};

class StandInMap final : public EventingObject<_UivMap> {
  public:
    StandInMap(ServerState& state, std::unique_ptr<host::UivMap> map);
    [[nodiscard]] bool EmitsMapEvents() const override { return true; }

    HRESULT STDMETHODCALLTYPE DrawCircle(float* x, float* y, float* radius, LONG* colour, double* startAngle,
                                         double* endAngle, float* aspect) override;
    HRESULT STDMETHODCALLTYPE GetHeightPixels(short* pixels) override;
    HRESULT STDMETHODCALLTYPE GetWidthPixels(short* pixels) override;
    HRESULT STDMETHODCALLTYPE GetHeightUnits(float* units) override;
    HRESULT STDMETHODCALLTYPE GetLeftEdge(float* units) override;
    HRESULT STDMETHODCALLTYPE GetWidthUnits(float* units) override;
    HRESULT STDMETHODCALLTYPE DrawLine(float* x1, float* y1, float* x2, float* y2, LONG* colour,
                                       short* style) override;
    HRESULT STDMETHODCALLTYPE SetLineWidth(short* width) override;
    HRESULT STDMETHODCALLTYPE SetMarkerStyle(short* style) override;
    HRESULT STDMETHODCALLTYPE SetMarkerColour(LONG* colour) override;

  private:
    std::unique_ptr<host::UivMap> map_;
};

class StandInStationInfo final : public DispatchObject<_UivStationInfo> {
  public:
    explicit StandInStationInfo(ServerState& state);
    [[nodiscard]] host::UivStationInfo& sim() { return *info_; }
    [[nodiscard]] const std::string& Callsign() const { return callsign_; }

    HRESULT STDMETHODCALLTYPE put_Callsign(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_InfoText1(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_InfoText2(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_InfoText3(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_Longitude(float* minutes) override;
    HRESULT STDMETHODCALLTYPE get_Latitude(float* minutes) override;

  private:
    [[nodiscard]] HRESULT GetText(std::string (host::UivStationInfo::*get)(), BSTR* value);

    LiveObject live_;
    std::unique_ptr<host::UivStationInfo> info_;
    std::string callsign_;
};

class StandInObject final : public DispatchObject<_UivObject> {
  public:
    explicit StandInObject(ServerState& state);
    [[nodiscard]] host::UivObject& sim() { return *record_; }

    HRESULT STDMETHODCALLTYPE put_Setting(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE put_Lifetime(LONG) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE put_Value1(short value) override;
    HRESULT STDMETHODCALLTYPE put_Value2(short value) override;
    HRESULT STDMETHODCALLTYPE put_Name(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_SymbolCode(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_Latitude(float degrees) override;
    HRESULT STDMETHODCALLTYPE put_Longitude(float degrees) override;
    HRESULT STDMETHODCALLTYPE put_Comment(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_SymbolTable(BSTR value) override;

  private:
    [[nodiscard]] HRESULT PutText(void (host::UivObject::*set)(const std::string&), BSTR value);

    LiveObject live_;
    std::unique_ptr<host::UivObject> record_;
};

class StandInApplication final : public EventingObject<_UivApplication> {
  public:
    explicit StandInApplication(ServerState& state);
    [[nodiscard]] bool EmitsMapEvents() const override { return false; }

    HRESULT STDMETHODCALLTYPE CalcDistanceBearing(double* lat1, double* lon1, double* lat2, double* lon2,
                                                  double* distance, double* bearing,
                                                  VARIANT_BOOL* flag) override;
    HRESULT STDMETHODCALLTYPE GetStationInfo(IDispatch** info, VARIANT_BOOL* found) override;
    HRESULT STDMETHODCALLTYPE GetMap(IDispatch** map) override;
    HRESULT STDMETHODCALLTYPE GetObjectList(SAFEARRAY** list) override;
    HRESULT STDMETHODCALLTYPE AddObject(IDispatch** record, short* result) override;
    HRESULT STDMETHODCALLTYPE DeleteObject(BSTR* name, VARIANT_BOOL* flag, short* result) override;

  private:
    [[nodiscard]] SAFEARRAY* ObjectList();
    std::unique_ptr<host::UivApplication> application_;
};

}  // namespace trivex::standin
