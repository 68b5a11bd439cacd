#include "gui_fixture.h"

namespace trivex::test {

std::vector<sim::Station> DemoStations() {
    return {
        {"G4DFA", 3097.2f, -73.2f, "north-west", "Doppler", "DF %137%004"},
        {"G3RDF", 3094.8f, -37.2f, "north-east", "Adcock", "DF %236%006"},
        {"M0FOX", 3078.0f, -42.0f, "south-east", "mobile", "DF %315%003"},
        {"G8HNT", 3076.8f, -70.8f, "south-west", "yagi", "DF %041%008"},
        {"2E0TRK", 3088.2f, -81.0f, "west", "mobile", "DF %093%005"},
    };
}

GuiTest::GuiTest() {
    host_.stations = DemoStations();
    host_.map = {560, 420, 72.0f, -36.0f, -96.0f, 3108.0f};
}

GuiTest::~GuiTest() {
    Stop();
}

bool GuiTest::Start() {
    window_ = std::make_unique<ui::MainWindowWin32>(GetModuleHandleA(nullptr), [this] { ++beeps_; });
    logic_ = std::make_unique<ui::MainWindow>(*window_, platform_, host_);
    window_->Attach(*logic_);
    platform_.SetMainWindow(window_->Handle());
    const bool started = logic_->Startup();
    Pump();
    return started;
}

void GuiTest::Stop() {
    logic_.reset();
    window_.reset();
    platform_.SetMainWindow(nullptr);
}

void GuiTest::Pump(std::chrono::milliseconds time) {
    PumpFor(time, [this](MSG& message) {
        if (window_) {
            window_->Dispatch(message);
        } else {
            DispatchMessageA(&message);
        }
    });
}

void GuiTest::Choose(ui::Command command) {
    PostMessageA(window_->Handle(), WM_COMMAND, static_cast<WPARAM>(ui::MainWindowWin32::CommandId(command)),
                 0);
    Pump();
}

void GuiTest::TypeInto(int row, const std::string& keys) {
    const HWND box = window_->Control(ui::CallSignBox(row));
    for (const char key : keys) PostMessageA(box, WM_CHAR, static_cast<unsigned char>(key), 1);
    Pump();
}

std::string GuiTest::Text(ui::ControlId id) {
    return WindowText(window_->Control(id));
}

}  // namespace trivex::test
