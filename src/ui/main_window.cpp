#include "ui/main_window.h"

#include "host/host_version.h"
#include "ui/status_log.h"

namespace trivex::ui {

MainWindow::MainWindow(MainWindowView& view, PlatformServices& platform, host::Host& host)
    : view_(view), platform_(platform), connection_(host, sink_) {}

bool MainWindow::Startup() {
    handlers_.Run([this] {
        files_ = MakeProgramFiles(platform_.ProgramFolder(), platform_.ExeName());
        if (RefuseSecondInstance() || RefuseUnsupportedHost()) return;
        view_.SetCaption(files_.appTitle);
        LoadSettings();
        view_.Show();
        view_.ProcessPendingMessages();
        ConnectAndReportRows();
    });
    return !handlers_.Ended();
}

bool MainWindow::RefuseSecondInstance() {
    if (!platform_.OtherInstanceRunning()) return false;
    view_.SetCaption("... duplicate instance.");
    platform_.ActivateWindow(files_.appTitle);
    handlers_.ShowError(MessageStyle::Critical, "Another instance of this program is already running");
    return true;
}

bool MainWindow::RefuseUnsupportedHost() {
    const HostFolderRead read = platform_.ReadHostFolder();
    if (read.error) view_.ShowMessage(MessageStyle::Critical, "", host::HostFolderErrorMessage(*read.error));
    const std::string folder = read.error ? "" : read.folder;
    const auto block = platform_.ReadFixedVersionInfo(folder + "\\uiview32.exe");
    const std::string version = block ? host::VersionText(*block) : host::kNoHostVersion;
    if (host::IsSupportedHostVersion(version)) return false;
    handlers_.ShowError(MessageStyle::Critical, host::UnsupportedHostMessage(version));
    return true;
}

void MainWindow::LoadSettings() {
    const StoredSettings stored = settingsFile_.Load();
    commands_.Apply(stored.settings);
    for (int row = 0; row < plot::kStationCount; ++row)
        plot_.Stations()[row].Callsign = stored.callSigns[row];
    settingsFile_.WarnIfUnreadable();
}

void MainWindow::SaveSettings() {
    for (int row = 0; row < plot::kStationCount; ++row)
        plot_.Stations()[row].Callsign = view_.Text(CallSignBox(row));
    settingsFile_.Save(commands_.Current(), plot_.Stations());
}

void MainWindow::Connect() {
    connection_.Connect();
    plot_.ForgetPlacedSolution();
    view_.MakeTopmost();  // from the first connection on, also one that start-up could not make
}

void MainWindow::ConnectAndReportRows() {
    // Every row gets its call-sign first, so that a later save keeps them whatever the host does.
    for (int row = 0; row < plot::kStationCount; ++row)
        view_.SetText(CallSignBox(row), plot_.Stations()[row].Callsign);
    Connect();
    plot_.ReportRows(connection_.Link(), commands_.Current().plotLineThickness, *this);
}

void MainWindow::Unload() {
    ShutDown();
    Release();
}

void MainWindow::ShutDown() {
    platform_.CloseHelpFile(files_.helpFile);
    platform_.OverwriteFile(files_.listFile, "");  // an unwritable list file is not worth a message
    connection_.StopEvents();
    handlers_.End();
}

void MainWindow::Release() {
    connection_.Release();
    commands_.CloseAbout();
    view_.Close();
}

// Windows ends the process soon after the end of the session is handled: the shut-down cannot
// wait behind a running handler (one showing a message box, or waiting for a host call). What
// that handler may still use, the host objects and the window, goes once it has finished.
void MainWindow::OnEndSession() {
    if (handlers_.Ended()) return;
    ShutDown();
    handlers_.WhenIdle([this] { Release(); });
}

void MainWindow::OnCommand(Command command) {
    handlers_.Run([this, command] { commands_.Execute(command); });
}

void MainWindow::OnClose() {
    handlers_.Run([this] { Unload(); });
}

std::optional<int16_t> MainWindow::OnCallSignKey(int /*row*/, int16_t code) {
    return commands_.OnCallSignKey(code);
}

void MainWindow::OnPlacementChanged() {
    if (!handlers_.Ended()) settingsFile_.RememberPosition();
}

void MainWindow::OnAboutOk() {
    handlers_.Run([this] { commands_.CloseAbout(); });
}

void MainWindow::OnAboutLinkClicked() {
    handlers_.Run([this] { commands_.OpenWebAddress(); });
}

void MainWindow::AppendLog(const std::string& text) {
    AppendToStatusLog(view_, text);
}

}  // namespace trivex::ui
