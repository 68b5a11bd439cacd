// Trivex.exe against a stand-in host whose server ends in the middle of a plot: the operator is
// warned, the settings file is untouched, and the next plot reaches the new server. Host
// failures of each kind are the logic tests' and the COM client's tests'.
#include <gmock/gmock.h>

#include <functional>
#include <utility>

#include "e2e_fixture_win32.h"
#include "host/com/com_host_win32.h"

namespace trivex::test {
namespace {

using ::testing::HasSubstr;
using ui::Command;
using ui::ControlId;

// A client of the stand-in's application events in the test program: DataAvailable, which
// Trivex.exe ignores, runs an action of the test inside the host call that fired it.
class DataAvailableHook : public host::HostEvents {
  public:
    explicit DataAvailableHook(std::function<void()> action)
        : action_(std::move(action)), application_(host_.NewApplication()) {
        application_->Subscribe(this);
    }
    ~DataAvailableHook() override { application_->Subscribe(nullptr); }
    void DataAvailable() override { action_(); }
    void NotifyBeacon(const std::string&, float, float) override {}
    void UIView32IsClosing() override {}
    void MapHasChanged() override {}
    void MapRedrawn() override {}

  private:
    std::function<void()> action_;
    com::ComHost host_;
    std::unique_ptr<host::UivApplication> application_;
};

// The server is ended inside the first station's first line, as a crash would end it. Once the
// host has been started again, the next plot connects to it.
TEST_F(EndToEndTest, HostEndingInsideAPlotIsAWarningAndTheNextPlotReachesTheNewHost) {
    UseHost();
    StartTrivex(kFiveStationsSettings, 5, 15);
    const auto settings = ReadWholeFile(trivex_.File("Trivex.INI"));
    HWND box = nullptr;
    {
        const DataAvailableHook hook(KillHost);
        Control().FireDuring("DrawLine", "DataAvailable");
        trivex_.Post(Command::Plot);
        box = trivex_.WaitForBox();
    }
    ASSERT_NE(box, nullptr);
    EXPECT_THAT(MessageBoxText(box), HasSubstr("\r\n\r\nThe host reported an error: "));
    PressOk(box);
    EXPECT_TRUE(trivex_.Running());

    StartHost();
    trivex_.SetText(ControlId::Solution, "");
    trivex_.Post(Command::Plot);
    ASSERT_TRUE(WaitUntil([&] { return !trivex_.Text(ControlId::Solution).empty(); }));
    EXPECT_EQ(trivex_.Text(ControlId::Solution), "53.23.03N, 001.52.41W");
    EXPECT_EQ(Calls(Journal(), "GetStationInfo").size(), 5u);
    EXPECT_EQ(trivex_.Text(ControlId::ObjectLabel), "Object RDFFIX0 at new location.");
    EXPECT_EQ(ReadWholeFile(trivex_.File("Trivex.INI")), settings);
    EXPECT_EQ(AddedLiveObjects(), 2) << "only the application and map objects stay";
}

}  // namespace
}  // namespace trivex::test
