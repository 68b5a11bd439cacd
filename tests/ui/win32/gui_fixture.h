// The real main window and its logic on the simulated host, in this process, with the
// program's files in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui_test_support.h"
#include "host/sim/sim_host.h"
#include "ui/main_window.h"
#include "ui/main_window_win32.h"
#include "ui/platform_win32.h"

namespace trivex::test {

// The Windows services, but with the program's files in a folder of the test, the host's
// folder where the build put the stand-in host executable, and the process kept alive.
class TestPlatform : public ui::PlatformWin32 {
  public:
    explicit TestPlatform(std::string folder) : folder_(std::move(folder)) {}
    std::string ProgramFolder() override { return folder_; }
    std::string ExeName() override { return "Trivex"; }
    ui::HostFolderRead ReadHostFolder() override {
        return {TestProgramFolder() + "\\fake_host", std::nullopt};
    }
    void EndProcess() override {}
    void ShellOpen(const std::string& target, bool ownedByDesktop) override {
        opened.push_back(target + (ownedByDesktop ? " (desktop)" : ""));
    }

    std::vector<std::string> opened;

  private:
    std::string folder_;
};

// Five stations around a transmitter, each with a bearing.
std::vector<sim::Station> DemoStations();

class GuiTest : public ::testing::Test {
  protected:
    GuiTest();
    ~GuiTest() override;

    // Creates the window and its logic and runs start-up; false when start-up ended the program.
    bool Start();
    // Destroys logic and window, as the end of the program does.
    void Stop();

    void Pump(std::chrono::milliseconds time = 50ms);
    void Choose(ui::Command command);
    void TypeInto(int row, const std::string& keys);
    std::string Text(ui::ControlId id);
    std::string IniFile() const { return folder_.File("Trivex.INI"); }

    TemporaryFolder folder_;
    sim::SimHost host_;
    TestPlatform platform_{folder_.Path()};
    int beeps_ = 0;
    std::unique_ptr<ui::MainWindowWin32> window_;
    std::unique_ptr<ui::MainWindow> logic_;
};

}  // namespace trivex::test
