#include "e2e_fixture_win32.h"

#include <algorithm>
#include <stdexcept>

#include "com/com_raii_win32.h"

namespace trivex::test {

const char* const kFiveStations = R"({
  "map": {"widthPixels": 800, "heightPixels": 600, "widthUnits": 36, "heightUnits": -16.1,
          "leftEdge": -130.2, "topEdge": 3209.55},
  "stations": [
    {"callsign": "G4KDR", "latitude": 3206.6, "longitude": -116.94, "infoText3": "%142%004"},
    {"callsign": "M0BXT", "latitude": 3195.52, "longitude": -114.66, "infoText3": "%009%006"},
    {"callsign": "G8HOP", "latitude": 3200.8, "longitude": -104.64, "infoText3": "%297%003"},
    {"callsign": "2E0CLF", "latitude": 3199.34, "longitude": -115.01, "infoText3": "%026%005"},
    {"callsign": "M7NML", "latitude": 3201.9, "longitude": -120.0, "infoText3": "%074%004"}
  ],
  "objects": []
})";

namespace {

// The test program's apartment, for the stand-in's control object.
const com::ComApartment kApartment;

// The process id of the running stand-in, or 0.
DWORD StandInProcess() {
    const win32::UniqueKernelObject snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.get(), &entry); more;
         more = Process32Next(snapshot.get(), &entry))
        if (_stricmp(entry.szExeFile, "uiview32.exe") == 0) return entry.th32ProcessID;
    return 0;
}

// Wine's COM service keeps the class registrations of a server that ended without revoking
// them, and would hand the ended server's class objects to the next client; Windows forgets
// them. Stopping the service makes it forget: COM starts it again on its next use.
void ForgetEndedServers() {
    const SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    const SC_HANDLE service = OpenServiceA(manager, "RpcSs", SERVICE_STOP | SERVICE_QUERY_STATUS);
    SERVICE_STATUS status{};
    if (service && ControlService(service, SERVICE_CONTROL_STOP, &status)) {
        for (int n = 0; n < 200 && status.dwCurrentState != SERVICE_STOPPED; ++n) {
            Sleep(50);
            QueryServiceStatus(service, &status);
        }
    }
    if (service) CloseServiceHandle(service);
    if (manager) CloseServiceHandle(manager);
}

}  // namespace

void EndToEndTest::KillHost() {
    const win32::UniqueKernelObject process(
        OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, StandInProcess()));
    if (!process || !TerminateProcess(process.get(), 99)) throw std::runtime_error("cannot end the stand-in");
    WaitForSingleObject(process.get(), 10000);
    ForgetEndedServers();
}

void EndToEndTest::StartHost() {
    control_ = std::make_unique<standin::StandInControlClient>();
    control_->LoadScenario(kFiveStations);
    liveAtStart_ = control_->LiveObjects();
}

void EndToEndTest::StartTrivex(const std::optional<std::string>& settings, size_t lookups, size_t lines) {
    if (ChildProgram(PathFromEnvironment("TRIVEX_STANDIN"), "/RegServer").WaitForExit() != 0u)
        throw std::runtime_error("cannot register the stand-in");
    StartHost();
    if (settings) WriteWholeFile(trivex_.File("Trivex.INI"), *settings);
    if (!trivex_.Start()) throw std::runtime_error("Trivex.exe showed no main window");
    json journal = json::array();
    const auto startedUp = [&] {
        for (const json& entry : Journal()) journal.push_back(entry);
        return CountCalls(journal, "GetStationInfo") >= lookups && CountCalls(journal, "DrawLine") >= lines;
    };
    if (!WaitUntil(startedUp)) ADD_FAILURE() << "the start-up did not finish: " << journal.dump();
}

size_t CountCalls(const json& journal, const std::string& call) {
    return std::count_if(journal.begin(), journal.end(),
                         [&](const json& entry) { return entry["call"] == call; });
}

void EndToEndTest::TearDown() {
    EXPECT_TRUE(trivex_.Close()) << "Trivex.exe did not end";
    if (control_) {
        EXPECT_EQ(control_->LiveObjects(), liveAtStart_) << "host objects left alive in the stand-in";
        control_.reset();
    }
    // The server ends once no client holds one of its objects: then the next case starts a new
    // one, with none of this case's failures or events still set.
    EXPECT_TRUE(WaitUntil([] { return StandInProcess() == 0; }))
        << "the stand-in still runs: something still holds one of its objects";
    ChildProgram(PathFromEnvironment("TRIVEX_STANDIN"), "/UnregServer").WaitForExit();
}

}  // namespace trivex::test
