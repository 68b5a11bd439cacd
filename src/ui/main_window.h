// The logic of the main window: the order of things from start-up to shut-down, and the
// rules by which the host's events plot. It draws nothing itself: it works on a
// MainWindowView and PlatformServices, and hands each job to a part of its own: the handler
// queue with the fault policy (every entry point runs through it, and the host's events are
// queued there, never re-entered), the host connection, the settings file, and the commands
// with the Options menus and the key filter.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"
#include "plot/plot_display.h"
#include "plot/plotter.h"
#include "ui/commands.h"
#include "ui/handler_queue.h"
#include "ui/host_connection.h"
#include "ui/platform.h"
#include "ui/program_files.h"
#include "ui/settings.h"
#include "ui/settings_file.h"
#include "ui/view.h"

namespace trivex::ui {

class MainWindow : private plot::PlotDisplay, private CommandTarget {
  public:
    MainWindow(MainWindowView& view, PlatformServices& platform, host::Host& host);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Runs the start-up steps; false when the program ended during start-up.
    [[nodiscard]] bool Startup();

    // From the window: a menu command, the close box, a key typed into a call-sign box
    // (the key to let through, or nothing when it is refused), a move or a change of
    // size or state, the About window's OK button and web link.
    void OnCommand(Command command);
    void OnClose();
    // The Windows session ends: the shut-down runs at once, even while another handler runs.
    void OnEndSession();
    [[nodiscard]] std::optional<int16_t> OnCallSignKey(int row, int16_t code);
    void OnPlacementChanged();
    void OnAboutOk();
    void OnAboutLinkClicked();

    // The sink to which the host delivers its application and map events. It only queues
    // them; they run after the running handler, or once the window hands them back here.
    [[nodiscard]] host::HostEvents& HostEventSink() { return sink_; }
    void OnHostEventsPosted() { handlers_.RunQueued(); }

    [[nodiscard]] bool Ended() const { return handlers_.Ended(); }
    [[nodiscard]] bool AboutOpen() const { return commands_.AboutOpen(); }
    [[nodiscard]] const Settings& CurrentSettings() const { return commands_.Current(); }
    [[nodiscard]] const plot::StationTable& Stations() const { return plot_.Stations(); }
    [[nodiscard]] const std::string& FixObjectName() const { return plot_.FixObjectName(); }
    // The review of the last plot that came as far as its pairs, and how many plots did.
    [[nodiscard]] const plot::PlotReview& LastReview() const { return plot_.LastReview(); }
    [[nodiscard]] unsigned ReviewCount() const { return plot_.ReviewCount(); }

  private:
    // Turns the host's events into queued handlers; it never calls the logic re-entrantly.
    class EventSink : public host::HostEvents {
      public:
        explicit EventSink(MainWindow& window) : window_(window) {}
        void DataAvailable() override {}
        void NotifyBeacon(const std::string& callsign, float latitude, float longitude) override;
        void UIView32IsClosing() override;
        void MapHasChanged() override { QueueMapEvent("MapHasChanged()\r\n"); }
        void MapRedrawn() override { QueueMapEvent("MapRedrawn()\r\n"); }

      private:
        void QueueMapEvent(const char* logText);
        MainWindow& window_;
    };

    [[nodiscard]] bool RefuseSecondInstance();
    [[nodiscard]] bool RefuseUnsupportedHost();
    void LoadSettings();
    void Connect();
    void ConnectAndReportRows();
    void Unload();
    void ShutDown();  // help file closed, list file emptied, the host's events stopped
    void Release();   // the host objects and the window

    void Plot() override;
    void SaveSettings() override;
    void Exit() override { Unload(); }

    void ShowBearing(int row, const std::string& text) override;
    void ShowIntersections(const std::vector<std::string>& texts) override;
    void ShowSolution(const std::string& countText, const std::string& solutionText) override;
    void ShowFixObject(const std::string& text) override;
    void AppendLog(const std::string& text) override;

    // A map event that arrives while a plot started by an earlier host event runs is taken
    // as the echo of that plot's own drawing: it is logged but plots no more, or a host that
    // redraws on every drawing call would keep the program plotting for ever. A beacon comes
    // from the radio, never from the drawing: it always plots.
    void PlotForEvent();
    void OnMapEvent(const char* logText, bool echo);
    void OnBeacon(const std::string& callsign, float latitude, float longitude);

    MainWindowView& view_;
    PlatformServices& platform_;
    ProgramFiles files_;
    EventSink sink_{*this};
    HostConnection connection_;
    HandlerQueue handlers_{view_, platform_, files_, connection_};
    SettingsFile settingsFile_{view_, platform_, files_, handlers_};
    Commands commands_{view_, platform_, files_, handlers_, *this};
    plot::Plotter plot_;
    bool eventPlotRunning_ = false;
    unsigned plotsStarted_ = 0;
};

}  // namespace trivex::ui
