// The logic of the main window: start-up and shut-down, the operator's commands, the
// key filter of the call-sign boxes, the Options menus, the settings file and the host's
// events. It draws nothing itself: it works on a MainWindowView and PlatformServices.
//
// Every entry point runs as one handler. A handler that is called while another runs
// (a host event fired inside a host call, or while a message box is open) is queued and
// run, in order, when the running one has finished. A failing host call stops only the
// running handler: the operator sees a warning and the program goes on. As the failure may
// mean that the host's server has gone, and with it the host objects the program holds, the
// next plot connects to the host afresh. Once the host has said it is closing, its failures
// are only logged and no plot runs: the shut-down follows. Any other fault shows the run-time
// error box and ends the program, whatever handler it struck.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"
#include "plot/plot_display.h"
#include "plot/plotter.h"
#include "ui/platform.h"
#include "ui/program_files.h"
#include "ui/settings.h"
#include "ui/view.h"

namespace trivex::ui {

class MainWindow : private PlotDisplay {
  public:
    MainWindow(MainWindowView& view, PlatformServices& platform, host::Host& host);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    // Runs the start-up steps; false when the program ended during start-up.
    bool Startup();

    // From the window: a menu command, the close box, a key typed into a call-sign box
    // (the key to let through, or nothing when it is refused), a move or a change of
    // size or state, the About window's OK button and web link.
    void OnCommand(Command command);
    void OnClose();
    // The Windows session ends: the shut-down runs at once, even while another handler runs.
    void OnEndSession();
    std::optional<int16_t> OnCallSignKey(int row, int16_t code);
    void OnPlacementChanged();
    void OnAboutOk();
    void OnAboutLinkClicked();

    // The sink to which the host delivers its application and map events. It only queues
    // them; they run after the running handler, or once the window hands them back here.
    host::HostEvents& HostEventSink();
    void OnHostEventsPosted();

    bool Ended() const { return ended_; }
    bool AboutOpen() const { return aboutOpen_; }
    const ProgramFiles& Files() const { return files_; }
    const Settings& CurrentSettings() const { return settings_; }
    const StationTable& Stations() const { return plot_.Stations(); }
    const std::string& FixObjectName() const { return plot_.FixObjectName(); }
    // The review of the last plot that came as far as its pairs, and how many plots did.
    const PlotReview& LastReview() const { return plot_.LastReview(); }
    unsigned ReviewCount() const { return plot_.ReviewCount(); }

  private:
    class EventSink;

    // The one dispatcher: every handler runs through it, one at a time, in order.
    void Run(std::function<void()> handler);
    void QueueHostEvent(std::function<void()> handler);
    void RunQueued();
    void RunHandler(const std::function<void()>& handler);
    void ShowError(MessageStyle style, const std::string& message);
    void StopOnFault(const std::string& what);

    bool RefuseSecondInstance();
    bool RefuseUnsupportedHost();
    void Connect();
    void ConnectIfNeeded();
    void ConnectAndReportRows();
    void Unload();
    void ShutDown();  // help file closed, list file emptied, the host's events stopped
    void Release();   // the host objects and the window

    void Execute(Command command);
    void Plot();
    void ShowBearing(int row, const std::string& text) override;
    void ShowIntersections(const std::vector<std::string>& texts) override;
    void ShowSolution(const std::string& countText, const std::string& solutionText) override;
    void ShowFixObject(const std::string& text) override;

    void SelectIgnoreDistance(int item);
    void SelectLineThickness(int item);
    void ToggleReplot();
    void ToggleLogPairs();
    void ToggleShowEstimate();
    // A map event that arrives while a plot started by an earlier host event runs is taken
    // as the echo of that plot's own drawing: it is logged but plots no more, or a host that
    // redraws on every drawing call would keep the program plotting for ever. A beacon comes
    // from the radio, never from the drawing: it always plots.
    void PlotForEvent();
    void OnMapEvent(const char* logText, bool echo);
    void OnBeacon(const std::string& callsign, float latitude, float longitude);

    void loadini();
    bool saveini();
    void SaveSettings();
    void RememberPosition();

    void AppendLog(const std::string& text) override;

    MainWindowView& view_;
    PlatformServices& platform_;
    host::Host& host_;
    std::unique_ptr<EventSink> sink_;

    ProgramFiles files_;
    Settings settings_;
    Plotter plot_;
    bool settingsUnreadable_ = false;  // the settings file could not be read at start-up
    WindowPosition savedPosition_;

    std::unique_ptr<host::UivApplication> mUIV_;
    std::unique_ptr<host::UivMap> mUivMap_;
    bool hostFailed_ = false;   // since the last connection
    bool hostClosing_ = false;  // the host said it is closing: its errors are logged, no plot runs

    std::deque<std::function<void()>> pending_;
    bool running_ = false;
    bool releaseAfterHandler_ = false;  // the session ended while a handler ran
    bool eventPlotRunning_ = false;
    unsigned plotsStarted_ = 0;
    bool ended_ = false;
    bool aboutOpen_ = false;
};

}  // namespace trivex::ui
