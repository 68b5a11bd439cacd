// Whole plots on the simulated host with any map view and any station data. Layout:
//   map view: int16 width pixels, int16 height pixels, float width units, height units, left edge
//   options: uint8 (bits 0-1 line thickness item, 2-4 ignore-distance item, 7 replot on map events)
//   objects: uint8 count (0..3), then each a text
//   five stations: float latitude, float longitude, uint8 kind, uint16 bearing, uint16 accuracy, text
//   then up to 16 actions of one byte each (a few take more bytes, see Act).
// The window must stay consistent with itself, and a plot repeated on the same data must show
// the same and leave the fix object where it is.
#include <algorithm>
#include <string>

#include "host/sim/sim_host.h"
#include "tests/fuzz/fuzz_support.h"
#include "ui/main_window.h"
#include "ui/memory/memory_platform.h"
#include "ui/memory/memory_view.h"

namespace trivex::fuzz {
namespace {

using namespace trivex::ui;

constexpr int kMaxActions = 16;
constexpr int16_t kEnter = 13;

sim::MapView TakeMap(FuzzInput& input) {  // a braced list takes its values in order
    return {.widthPixels = input.Take<int16_t>(),
            .heightPixels = input.Take<int16_t>(),
            .widthUnits = input.Take<float>(),
            .heightUnits = input.Take<float>(),
            .leftEdge = input.Take<float>()};
}

// The kind's bits 0-1 choose the DF text (a well-formed one, the raw text, the raw text
// before a well-formed one, or a well-formed one with a bearing of 0..360); bits 2-4 the
// row's call-sign (the station's own, empty, "Callsign", unknown, or the next station's).
sim::Station TakeStation(FuzzInput& input, int station, std::string& rowCallSign) {
    sim::Station s;
    s.callsign = "S" + std::to_string(station);
    s.latitude = input.Take<float>();
    s.longitude = input.Take<float>();
    const auto kind = input.Take<uint8_t>();
    const int bearing = input.Take<uint16_t>() % ((kind & 3) == 3 ? 361 : 1000);
    const std::string df = "%" + ThreeDigits(bearing) + "%" + ThreeDigits(input.Take<uint16_t>() % 1000);
    const std::string raw = input.Text();
    s.infoText3 = (kind & 3) == 1 ? raw : (kind & 3) == 2 ? raw + df : df;
    const int row = kind >> 2 & 7;
    const char* const others[] = {"", "Callsign", "NOPE"};
    rowCallSign = row >= 4 && row <= 6
                      ? others[row - 4]
                      : "S" + std::to_string(row == 7 ? (station + 1) % kStationCount : station);
    return s;
}

bool ShowsNumber(const std::string& text) {
    return text.find("nan") == std::string::npos && text.find("inf") == std::string::npos;
}

class PlotFuzz {
  public:
    explicit PlotFuzz(FuzzInput& input) : input_(input) {
        host_.map = TakeMap(input);
        const auto options = input.Take<uint8_t>();
        for (int n = input.Take<uint8_t>() % 4; n > 0; --n) host_.objects.push_back(input.Text());
        std::string rows[kStationCount];
        for (int i = 0; i < kStationCount; ++i) host_.stations.push_back(TakeStation(input, i, rows[i]));

        Check(window_.Startup(), "start-up goes on");
        window_.OnCommand(ThicknessItem((options & 3) + 1));
        window_.OnCommand(IgnoreItem((options >> 2 & 7) % kIgnoreItems + 1));
        if (options & 0x80) window_.OnCommand(Command::OptionsReplot);
        for (int row = 0; row < kStationCount; ++row) view_.SetText(CallSignBox(row), rows[row]);
        CheckQuiet();
    }

    void Play() {
        Plot();
        for (int n = 0; n < kMaxActions && !input_.Empty(); ++n) {
            Act(input_.Take<uint8_t>() % 6);
            CheckQuiet();
            CheckWindow();
        }
    }

  private:
    // 0 a plot, 1 a station's beacon, 2 the map redrawn, 3 another map view, 4 a station moves,
    // 5 Enter in a row.
    void Act(int action) {
        if (action == 0) Plot();
        if (action == 2) host_.Fire(sim::Event::MapRedrawn);
        if (action == 3) host_.map = TakeMap(input_);
        if (action == 5)
            Check(window_.OnCallSignKey(input_.Take<uint8_t>() % kStationCount, kEnter) == kEnter,
                  "Enter is let through");
        if (action != 1 && action != 4) return;
        sim::Station& s = host_.stations[input_.Take<uint8_t>() % kStationCount];
        if (action == 1) host_.FireNotifyBeacon(s.callsign, s.latitude, s.longitude);
        if (action == 4) s.latitude = input_.Take<float>();
        if (action == 4) s.longitude = input_.Take<float>();
    }

    int Calls(const char* call) const {
        return static_cast<int>(std::ranges::count(host_.Journal(), call, &sim::JournalEntry::call));
    }

    // A plot, then the same plot again: same texts, and the fix object stays.
    void Plot() {
        host_.TakeJournal();
        window_.OnCommand(Command::Plot);
        CheckQuiet();
        const int count = CheckWindow();
        Check(Calls("DrawCircle") == (count > 0 ? count + 1 : 0),
              "a circle for each intersection and the solution");
        Check(Calls("AddObject") <= 1, "at most one fix object");
        const std::string shown = Shown();
        host_.TakeJournal();
        window_.OnCommand(Command::Plot);
        CheckQuiet();
        CheckEqual(shown, Shown(), "the same plot again shows the same");
        Check(Calls("AddObject") == 0, "the fix object stays");
        if (count > 0)
            CheckEqual("Object " + window_.FixObjectName() + " at same location.",
                       view_.Text(ControlId::ObjectLabel), "object label");
    }

    void CheckQuiet() {
        Check(view_.Messages().empty() && !window_.Ended(), "no message box, the program goes on");
    }

    // The texts of the last plot agree with each other; gives its number of intersections.
    int CheckWindow() {
        int fixes = 0;
        for (const StationEntry& entry : window_.Stations()) fixes += entry.FixCount;
        Check(fixes % 2 == 0 && fixes <= 20, "two fixes per intersection");
        const int count = fixes / 2;
        const std::string label = view_.Text(ControlId::Label3);
        Check(count == 0 ? label == "No intersections"
                         : (" " + label).ends_with(" " + std::to_string(count) + " intersections"),
              "the label counts the intersections");
        const std::string solution = view_.Text(ControlId::Solution);
        if (count == 0) CheckEqual("No solution", solution, "solution without intersections");
        Check(count == 0 || ShowsNumber(solution), "the solution is a position");
        for (int row = 0; row < 5; ++row) {
            const std::string text = view_.Text(IntersectBox(row));
            if (row >= count) CheckEqual("N/A", text, "box beyond the intersections");
            Check(row >= count || (text.starts_with("[") && ShowsNumber(text)), "intersection text");
        }
        return count;
    }

    std::string Shown() {
        std::string texts;
        for (int id = static_cast<int>(ControlId::Label1); id < static_cast<int>(ControlId::ObjectLabel);
             ++id)
            texts += view_.Text(static_cast<ControlId>(id)) + "\n";
        return texts;
    }

    FuzzInput& input_;
    sim::SimHost host_;
    MemoryView view_;
    MemoryPlatform platform_;
    MainWindow window_{view_, platform_, host_};
};

}  // namespace
}  // namespace trivex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    trivex::fuzz::FuzzInput input(data, size);
    trivex::fuzz::PlotFuzz(input).Play();
    return 0;
}
