#include "registration_win32.h"

#include <uiview32.h>

#include <cstdio>
#include <stdexcept>

#include "com/com_error_win32.h"
#include "com/com_raii_win32.h"
#include "win32/host_registry_win32.h"

namespace trivex::standin {

namespace {

struct ClassEntry {
    const CLSID& id;
    const wchar_t* progId;
    const wchar_t* description;
};

const ClassEntry kClasses[] = {
    {CLSID_UivApplication, L"UIView32.UivApplication", L"UI-View32 application"},
    {CLSID_UivStationInfo, L"UIView32.UivStationInfo", L"UI-View32 station information"},
    {CLSID_UivObject, L"UIView32.UivObject", L"UI-View32 object record"},
    {CLSID_StandInControl, L"UIView32.StandInControl", L"UI-View32 stand-in control"},
};

std::wstring GuidText(const GUID& guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

bool SetValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    const LSTATUS status = RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(),
                                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS)
        std::fwprintf(stderr, L"uiview32: cannot write %ls (%ld)\n", key.c_str(), status);
    return status == ERROR_SUCCESS;
}

bool RegisterClass(const ClassEntry& c, const std::wstring& executable) {
    const std::wstring key = L"CLSID\\" + GuidText(c.id);
    return SetValue(HKEY_CLASSES_ROOT, key, nullptr, c.description) &&
           SetValue(HKEY_CLASSES_ROOT, key + L"\\LocalServer32", nullptr, L"\"" + executable + L"\"") &&
           SetValue(HKEY_CLASSES_ROOT, key + L"\\ProgID", nullptr, c.progId) &&
           SetValue(HKEY_CLASSES_ROOT, key + L"\\TypeLib", nullptr, GuidText(LIBID_UIView32)) &&
           SetValue(HKEY_CLASSES_ROOT, std::wstring(c.progId) + L"\\CLSID", nullptr, GuidText(c.id));
}

bool RegisterTypeLibrary(const std::wstring& executable) {
    com::ComPtr<ITypeLib> library;
    const HRESULT hr = LoadTypeLibEx(executable.c_str(), REGKIND_REGISTER, library.Out());
    if (FAILED(hr)) std::fprintf(stderr, "uiview32: cannot register the type library (0x%08lX)\n", hr);
    return SUCCEEDED(hr);
}

}  // namespace

bool Register(const std::wstring& executable) {
    for (const ClassEntry& c : kClasses)
        if (!RegisterClass(c, executable)) return false;
    const std::wstring folder = executable.substr(0, executable.find_last_of(L'\\'));
    return RegisterTypeLibrary(executable) &&
           SetValue(HKEY_CURRENT_USER, win32::Wide(win32::kHostSettingsKey),
                    win32::Wide(win32::kHostFolderValue).c_str(), folder);
}

bool Unregister() {
    for (const ClassEntry& c : kClasses) {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + GuidText(c.id)).c_str());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, c.progId);
    }
    const SYSKIND kind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
    UnRegisterTypeLib(LIBID_UIView32, 1, 0, LOCALE_NEUTRAL, kind);
    RegDeleteTreeA(HKEY_CURRENT_USER, win32::kHostSettingsKey);
    return true;
}

void RegisterHostTypeLibrary(const std::wstring& executable, const std::string& which) {
    if (which == "none") {
        for (const IID* iid : {&IID__UivMap, &IID__UivStationInfo, &IID__UivObject, &IID__UivApplication,
                               &DIID___UivMap, &DIID___UivApplication})
            RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"Interface\\" + GuidText(*iid) + L"\\TypeLib").c_str());
        return;
    }
    if (which != "standard" && which != "wide") throw std::invalid_argument("no such type library: " + which);
    std::wstring library = which == "wide" ? executable + L"\\2" : executable;
    com::ComPtr<ITypeLib> loaded;
    com::Check(LoadTypeLibEx(library.c_str(), REGKIND_NONE, loaded.Out()), "loading the type library");
    // Registered by the path given: Wine's REGKIND_REGISTER would drop the resource number.
    com::Check(RegisterTypeLib(loaded.get(), library.data(), nullptr), "registering the type library");
}

}  // namespace trivex::standin
