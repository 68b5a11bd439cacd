// A main window on the simulated host, an in-memory view and an in-memory platform.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "host/sim/sim_host.h"
#include "ui/main_window.h"
#include "ui/memory/memory_platform.h"
#include "ui/memory/memory_view.h"

namespace trivex::ui {

inline constexpr const char* kIniPath = "C:\\Trivex\\Trivex.INI";
inline constexpr const char* kListPath = "C:\\Trivex\\Trivex.LST";

// Four stations whose lines all cross at longitude 60, latitude 30 (minutes), and a fifth whose
// line crosses theirs elsewhere. The default map has different scales.
inline std::vector<sim::Station> FiveStations() {
    return {
        {"PA1A", 30, 50, "a1", "a2", "%090%005"}, {"PA1B", 20, 60, "b1", "b2", "%000%005"},
        {"PA1C", 40, 60, "c1", "c2", "%180%005"}, {"PA1D", 30, 72, "d1", "d2", "%270%005"},
        {"PA1E", 45, 45, "e1", "e2", "%135%010"},
    };
}

// The program's window logic with its host, view and platform.
struct Program {
    sim::SimHost host;
    MemoryView view;
    MemoryPlatform platform;
    MainWindow window{view, platform, host};

    // Starts with a settings file of these lines under [SETUP].
    bool StartWith(const std::string& setupLines) {
        platform.PutFile(kIniPath, "[SETUP]\r\n" + setupLines);
        return window.Startup();
    }

    auto CountCalls(const std::string& call) const {
        return std::ranges::count(host.Journal(), call, &sim::JournalEntry::call);
    }

    // The fix objects added since the journal was last taken, in order.
    std::vector<sim::ObjectRecord> AddedObjects() const {
        std::vector<sim::ObjectRecord> added;
        for (const auto& entry : host.Journal())
            if (entry.call == "AddObject") added.push_back(std::get<sim::ObjectRecord>(entry.args[0]));
        return added;
    }
};

class MainWindowTest : public ::testing::Test, protected Program {
  protected:
    // Starts with these call-signs and the 100 km ignore distance.
    bool StartWithCallSigns(const std::vector<std::string>& callsigns) {
        std::string lines = "IgnoreDistance=5\r\n";
        for (size_t i = 0; i < callsigns.size(); ++i)
            lines += "CallSign" + std::to_string(i + 1) + "=" + callsigns[i] + "\r\n";
        return StartWith(lines);
    }

    bool Start() { return window.Startup(); }

    std::string Text(ControlId id) { return view.Text(id); }
};

}  // namespace trivex::ui
