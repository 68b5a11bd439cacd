#include "ui/main_window.h"

#include <algorithm>
#include <utility>

#include "support/host_version.h"
#include "support/numeric.h"
#include "ui/about.h"
#include "ui/error_message.h"

namespace trivex::ui {

namespace {

constexpr size_t kLogLimit = 15000;
constexpr size_t kLogKept = 10000;
constexpr int16_t kBackspace = 8;
constexpr int16_t kEnter = 13;

bool IsCallSignCharacter(int16_t code) {
    return (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') || code == '-' || code == '.' ||
           code == kBackspace;
}

}  // namespace

// Turns the host's events into queued handlers; it never calls the logic re-entrantly.
class MainWindow::EventSink : public host::HostEvents {
  public:
    explicit EventSink(MainWindow& window) : window_(window) {}
    void DataAvailable() override {}
    void NotifyBeacon(const std::string& callsign, float latitude, float longitude) override {
        window_.QueueHostEvent(
            [this, callsign, latitude, longitude] { window_.OnBeacon(callsign, latitude, longitude); });
    }
    // From now on the host waits for the program to let go of its objects.
    void UIView32IsClosing() override {
        window_.hostClosing_ = true;
        window_.QueueHostEvent([this] { window_.Unload(); });
    }
    void MapHasChanged() override { QueueMapEvent("MapHasChanged()\r\n"); }
    void MapRedrawn() override { QueueMapEvent("MapRedrawn()\r\n"); }

  private:
    void QueueMapEvent(const char* logText) {
        const bool echo = window_.eventPlotRunning_;
        const unsigned plotsBefore = window_.plotsStarted_;
        window_.QueueHostEvent([this, logText, echo, plotsBefore] {
            // One replot serves every map event that arrived before it started.
            window_.OnMapEvent(logText, echo || window_.plotsStarted_ != plotsBefore);
        });
    }

    MainWindow& window_;
};

MainWindow::MainWindow(MainWindowView& view, PlatformServices& platform, host::Host& host)
    : view_(view), platform_(platform), host_(host), sink_(std::make_unique<EventSink>(*this)) {}

MainWindow::~MainWindow() {
    if (mUivMap_) mUivMap_->Subscribe(nullptr);
    if (mUIV_) mUIV_->Subscribe(nullptr);
}

host::HostEvents& MainWindow::HostEventSink() {
    return *sink_;
}

void MainWindow::Run(std::function<void()> handler) {
    if (ended_) return;
    pending_.push_back(std::move(handler));
    RunQueued();
}

void MainWindow::QueueHostEvent(std::function<void()> handler) {
    if (ended_) return;
    pending_.push_back(std::move(handler));
    if (!running_ && !view_.PostHostEvents()) RunQueued();
}

void MainWindow::OnHostEventsPosted() {
    RunQueued();
}

void MainWindow::RunQueued() {
    if (running_) return;
    running_ = true;
    while (!pending_.empty() && !ended_) {
        const std::function<void()> next = std::move(pending_.front());
        pending_.pop_front();
        try {
            RunHandler(next);
        } catch (const std::exception& error) {
            StopOnFault(error.what());
        } catch (...) {
            StopOnFault("unknown error");
        }
    }
    pending_.clear();
    running_ = false;
    if (std::exchange(releaseAfterHandler_, false)) Release();
}

void MainWindow::RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const host::HostError& error) {
        hostFailed_ = true;
        const std::string message = std::string("The host reported an error: ") + error.what();
        // A box would keep the host's objects from a host that is closing, or from a session that ends.
        if (hostClosing_ || ended_)
            AppendLog(message + "\r\n");
        else
            ShowError(MessageStyle::Warning, message);
    }
    view_.FlushLog();
}

// As the platform's standard error box: the run-time error, then the end, nothing saved.
void MainWindow::StopOnFault(const std::string& what) {
    ended_ = true;
    view_.ShowMessage(MessageStyle::Critical, kApplicationTitle, "Run-time error: " + what);
    platform_.EndProcess();
}

void MainWindow::ShowError(MessageStyle style, const std::string& message) {
    const ErrorMessage box = MakeErrorMessage(style, message, files_.appTitle, files_.htmlHelpFile);
    view_.ShowMessage(box.style, box.title, box.text);
    if (box.endsProgram) {
        ended_ = true;
        platform_.EndProcess();
    }
}

bool MainWindow::Startup() {
    Run([this] {
        files_ = MakeProgramFiles(platform_.ProgramFolder(), platform_.ExeName());
        if (RefuseSecondInstance() || RefuseUnsupportedHost()) return;
        view_.SetCaption(files_.appTitle);
        loadini();
        view_.Show();
        view_.ProcessPendingMessages();
        ConnectAndReportRows();
    });
    return !ended_;
}

bool MainWindow::RefuseSecondInstance() {
    if (!platform_.OtherInstanceRunning()) return false;
    view_.SetCaption("... duplicate instance.");
    platform_.ActivateWindow(files_.appTitle);
    ShowError(MessageStyle::Critical, "Another instance of this program is already running");
    return true;
}

bool MainWindow::RefuseUnsupportedHost() {
    const HostFolderRead read = platform_.ReadHostFolder();
    if (read.error) view_.ShowMessage(MessageStyle::Critical, "", HostFolderErrorMessage(*read.error));
    const std::string folder = read.error ? "" : read.folder;
    const auto block = platform_.ReadFixedVersionInfo(folder + "\\uiview32.exe");
    const std::string version = block ? VersionText(*block) : kNoHostVersion;
    if (IsSupportedHostVersion(version)) return false;
    ShowError(MessageStyle::Critical, UnsupportedHostMessage(version));
    return true;
}

void MainWindow::Connect() {
    mUIV_ = host_.NewApplication();
    mUIV_->Subscribe(sink_.get());
    mUivMap_ = mUIV_->GetMap();
    mUivMap_->Subscribe(sink_.get());
    hostFailed_ = false;
    plot_.ForgetPlacedSolution();
    view_.MakeTopmost();  // from the first connection on, also one that start-up could not make
}

void MainWindow::ConnectIfNeeded() {
    if (!mUIV_ || !mUivMap_ || hostFailed_) Connect();
}

void MainWindow::ConnectAndReportRows() {
    // Every row gets its call-sign first, so that a later save keeps them whatever the host does.
    for (int row = 0; row < kStationCount; ++row)
        view_.SetText(CallSignBox(row), plot_.Stations()[row].Callsign);
    Connect();
    plot_.ReportRows({host_, *mUIV_, *mUivMap_}, settings_.plotLineThickness, *this);
}

void MainWindow::Unload() {
    ShutDown();
    Release();
}

void MainWindow::ShutDown() {
    platform_.CloseHelpFile(files_.helpFile);
    platform_.OverwriteFile(files_.listFile, "");  // an unwritable list file is not worth a message
    if (mUivMap_) mUivMap_->Subscribe(nullptr);
    if (mUIV_) mUIV_->Subscribe(nullptr);
    ended_ = true;
}

void MainWindow::Release() {
    mUivMap_.reset();
    mUIV_.reset();
    if (aboutOpen_) view_.CloseAbout();
    aboutOpen_ = false;
    view_.Close();
}

// Windows ends the process soon after the end of the session is handled: the shut-down cannot
// wait behind a running handler (one showing a message box, or waiting for a host call). What
// that handler may still use, the host objects and the window, goes once it has finished.
void MainWindow::OnEndSession() {
    if (ended_) return;
    ShutDown();
    if (running_)
        releaseAfterHandler_ = true;
    else
        Release();
}

void MainWindow::OnCommand(Command command) {
    Run([this, command] { Execute(command); });
}

void MainWindow::OnClose() {
    Run([this] { Unload(); });
}

void MainWindow::Execute(Command command) {
    switch (command) {
        case Command::FileSave:
            SaveSettings();
            return;
        case Command::FileExit:
            Unload();
            return;
        case Command::OptionsReplot:
            ToggleReplot();
            return;
        case Command::OptionsLogPairs:
            ToggleLogPairs();
            return;
        case Command::OptionsShowEstimate:
            ToggleShowEstimate();
            return;
        case Command::Plot:
            Plot();
            return;
        case Command::HelpHelp:
            platform_.ShellOpen(files_.htmlHelpFile, true);
            return;
        case Command::About:
            if (!aboutOpen_) view_.OpenAbout(MakeAboutContent(files_.appTitle, platform_.LegalCopyright()));
            aboutOpen_ = true;
            return;
        default:
            break;
    }
    const int command_index = static_cast<int>(command);
    if (command >= Command::Ignore1 && command <= Command::Ignore6)
        SelectIgnoreDistance(command_index - static_cast<int>(Command::Ignore1) + 1);
    else if (command >= Command::Thickness1 && command <= Command::Thickness4)
        SelectLineThickness(command_index - static_cast<int>(Command::Thickness1) + 1);
}

std::optional<int16_t> MainWindow::OnCallSignKey(int /*row*/, int16_t code) {
    if (ended_) return std::nullopt;
    const int16_t key = platform_.UpperCaseKey(code);
    if (IsCallSignCharacter(key)) return key;
    if (key == kEnter) {
        Run([this] { Plot(); });
        return key;
    }
    view_.Beep();
    return std::nullopt;
}

void MainWindow::OnPlacementChanged() {
    if (!ended_) RememberPosition();
}

void MainWindow::RememberPosition() {
    if (!view_.IsMinimised()) savedPosition_ = view_.Position();
}

void MainWindow::OnAboutOk() {
    Run([this] {
        if (aboutOpen_) view_.CloseAbout();
        aboutOpen_ = false;
    });
}

void MainWindow::OnAboutLinkClicked() {
    Run([this] { platform_.ShellOpen(kWebAddress, false); });
}

void MainWindow::ToggleReplot() {
    settings_.replotAfterMapIsRedrawn = !settings_.replotAfterMapIsRedrawn;
    view_.SetChecked(Command::OptionsReplot, settings_.replotAfterMapIsRedrawn);
}

void MainWindow::ToggleLogPairs() {
    settings_.logPairResults = !settings_.logPairResults;
    view_.SetChecked(Command::OptionsLogPairs, settings_.logPairResults);
}

void MainWindow::ToggleShowEstimate() {
    settings_.showBestEstimate = !settings_.showBestEstimate;
    view_.SetChecked(Command::OptionsShowEstimate, settings_.showBestEstimate);
}

void MainWindow::SelectIgnoreDistance(int item) {
    for (int n = 1; n <= kIgnoreItems; ++n) view_.SetChecked(IgnoreItem(n), false);
    view_.SetChecked(IgnoreItem(item), true);
    settings_.ignoreItem = item;
    const std::string caption = IgnoreItemCaption(item);
    settings_.ignoreDistance = NumericPrefix(caption.substr(0, caption.find(' ') + 1)) * 1000.0;
}

void MainWindow::SelectLineThickness(int item) {
    for (int n = 1; n <= kThicknessItems; ++n) view_.SetChecked(ThicknessItem(n), false);
    view_.SetChecked(ThicknessItem(item), true);
    settings_.plotLineThickness = static_cast<int16_t>(item);
}

void MainWindow::PlotForEvent() {
    eventPlotRunning_ = true;
    try {
        Plot();
    } catch (...) {
        eventPlotRunning_ = false;
        throw;
    }
    eventPlotRunning_ = false;
}

void MainWindow::OnMapEvent(const char* logText, bool echo) {
    if (settings_.replotAfterMapIsRedrawn && !echo) PlotForEvent();
    AppendLog(logText);
}

void MainWindow::OnBeacon(const std::string& callsign, float latitude, float longitude) {
    const char separator = platform_.DecimalSeparator();
    AppendLog("NotifyBeacon(" + callsign + ", " + GeneralNumberText(latitude, separator) + ", " +
              GeneralNumberText(longitude, separator) + ")\r\n");
    for (int row = 0; row < kStationCount; ++row)
        if (view_.Text(CallSignBox(row)) == callsign) PlotForEvent();
}

void MainWindow::AppendLog(const std::string& text) {
    if (view_.TextLength(ControlId::Status) > kLogLimit) {
        const std::string log = view_.Text(ControlId::Status);
        view_.SetText(ControlId::Status, log.substr(log.size() - kLogKept));
    }
    if (text.find('\0') == std::string::npos) return view_.AppendToLog(text);
    // A host's text may hold a NUL, which would end the text for the log box.
    std::string blanked = text;
    std::ranges::replace(blanked, '\0', ' ');
    view_.AppendToLog(blanked);
}

}  // namespace trivex::ui
