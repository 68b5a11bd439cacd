// The program's settings file: read once at start-up, written only by the Save settings
// command, and the window's place it saves. Settings that could not be read at start-up are
// never saved: they would replace the user's own.
#pragma once

#include <optional>
#include <string>

#include "plot/plotter.h"
#include "plot/stations.h"
#include "ui/handler_queue.h"
#include "ui/platform.h"
#include "ui/program_files.h"
#include "ui/settings.h"
#include "ui/view.h"

namespace trivex::ui {

// What the file holds besides the window's place. The ignore distance follows from its item.
struct StoredSettings {
    Settings settings;
    plot::CallSigns callSigns;
};

class SettingsFile {
  public:
    SettingsFile(MainWindowView& view, PlatformServices& platform, const ProgramFiles& files,
                 HandlerQueue& handlers)
        : view_(view), platform_(platform), files_(files), handlers_(handlers) {}

    // Reads the file, writing back the defaults it lacks, and puts the window where it says.
    StoredSettings Load();
    // Warns, once the settings read are in place, when the file could not be read.
    void WarnIfUnreadable();
    // Writes the settings and the rows' call-signs, or says why it could not.
    void Save(const Settings& settings, const plot::StationTable& stations);
    // The window's place while not minimised, kept for the next Save.
    void RememberPosition();

  private:
    bool Write(const Settings& settings, const plot::StationTable& stations);

    MainWindowView& view_;
    PlatformServices& platform_;
    const ProgramFiles& files_;
    HandlerQueue& handlers_;
    std::optional<std::string> readError_;  // why the file could not be read at start-up
    WindowPosition savedPosition_;
};

}  // namespace trivex::ui
