#include "server_win32.h"

#include <uiview32.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "busy_filter_win32.h"
#include "com/com_error_win32.h"
#include "control_win32.h"
#include "data_json.h"
#include "host_objects_win32.h"

namespace trivex::standin {

namespace {

// A class factory that lives as long as the server runs.
class ClassFactory final : public IClassFactory {
  public:
    using Create = std::function<IUnknown*()>;  // a new object holding one reference
    explicit ClassFactory(Create create) : create_(std::move(create)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        try {
            com::ComPtr<IUnknown> object(create_());
            return object->QueryInterface(iid, out);
        } catch (const com::ComError& e) {
            return e.code();
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        lock ? standin::LockServer() : UnlockServer();
        return S_OK;
    }

  private:
    Create create_;
};

std::wstring Folder(const std::wstring& file) {
    return file.substr(0, file.find_last_of(L"\\/"));
}

void LoadStartingScenario(const std::wstring& executable, sim::SimHost& sim) {
    std::ifstream file(std::filesystem::path(Folder(executable) + L"\\uiview32-scenario.json"));
    if (!file) return;
    std::ostringstream text;
    text << file.rdbuf();
    LoadScenario(text.str(), sim);
}

// The thread's message filter while this lives.
class FilterRegistration {
  public:
    explicit FilterRegistration(IMessageFilter& filter) {
        com::Check(CoRegisterMessageFilter(&filter, nullptr), "registering the message filter");
    }
    FilterRegistration(const FilterRegistration&) = delete;
    FilterRegistration& operator=(const FilterRegistration&) = delete;
    ~FilterRegistration() { CoRegisterMessageFilter(nullptr, nullptr); }
};

struct Registration {
    const CLSID& id;
    ClassFactory factory;
    DWORD cookie = 0;
};

}  // namespace

int RunServer(const std::wstring& executable) {
    try {
        com::ComPtr<ITypeLib> library, wide;
        com::Check(LoadTypeLibEx(executable.c_str(), REGKIND_NONE, library.Out()),
                   "loading the type library");
        com::Check(LoadTypeLibEx((executable + L"\\2").c_str(), REGKIND_NONE, wide.Out()),
                   "loading the wide type library");
        ServerState state(executable, std::move(library), std::move(wide));
        LoadStartingScenario(executable, state.sim);
        BusyFilter filter(state);
        const FilterRegistration registered(filter);

        auto* s = &state;
        std::vector<Registration> classes;
        classes.reserve(4);
        classes.push_back({CLSID_UivApplication, ClassFactory([s]() -> IUnknown* {
                               return static_cast<_UivApplication*>(new StandInApplication(*s));
                           })});
        classes.push_back({CLSID_UivStationInfo, ClassFactory([s] { return new StandInStationInfo(*s); })});
        classes.push_back({CLSID_UivObject, ClassFactory([s] { return new StandInObject(*s); })});
        classes.push_back({CLSID_StandInControl, ClassFactory([s] { return new StandInControl(*s); })});
        for (Registration& c : classes)
            com::Check(CoRegisterClassObject(c.id, &c.factory, CLSCTX_LOCAL_SERVER,
                                             REGCLS_MULTIPLEUSE | REGCLS_SUSPENDED, &c.cookie),
                       "registering a class");
        com::Check(CoResumeClassObjects(), "starting the classes");

        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        for (Registration& c : classes) CoRevokeClassObject(c.cookie);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "uiview32: %s\n", e.what());
        return 1;
    }
}

}  // namespace trivex::standin
