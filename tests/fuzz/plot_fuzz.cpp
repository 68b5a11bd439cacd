// Whole plots on the simulated host with any map view and any station data. Layout:
//   map view: int16 width pixels, int16 height pixels, float width units, height units, left edge
//   options: uint8 (bits 0-1 line thickness item, 2-4 ignore-distance item, 6 show best estimate,
//            7 replot on map events)
//   objects: uint8 count (0..3), then each a text
//   five stations: float latitude, float longitude, uint8 kind, uint16 bearing, uint16 accuracy, text
//   then up to 16 actions of one byte each (a few take more bytes, see below).
// Whatever the data, no message box and no position that is not a number; a plot repeated on
// the same data shows the same and leaves the fix object where it is.
#include <algorithm>
#include <string>

#include "tests/fuzz/fuzz_support.h"

namespace trivex::fuzz {
namespace {

using namespace trivex::ui;

sim::MapArea TakeMap(FuzzInput& input) {  // a braced list takes its values in order
    return {input.Take<int16_t>(), input.Take<int16_t>(), input.Take<float>(), input.Take<float>(),
            input.Take<float>()};
}

// Adds a station to the host; gives its row's call-sign. The kind's bits 0-1 choose the DF text
// (well-formed, the raw text, the raw text before a well-formed one, or well-formed with a bearing
// of 0..360); bits 2-4 the row's call-sign (own, empty, "Callsign", unknown, or the next one's).
std::string AddStation(FuzzInput& input, int station, sim::SimHost& host) {
    sim::Station& s = host.stations.emplace_back();
    s.callsign = "S" + std::to_string(station);
    s.latitude = input.Take<float>();
    s.longitude = input.Take<float>();
    const auto kind = input.Take<uint8_t>();
    const int bearing = input.Take<uint16_t>() % ((kind & 3) == 3 ? 361 : 1000);
    auto threeDigits = [](int value) { return std::to_string(1000 + value).substr(1); };
    const std::string df = "%" + threeDigits(bearing) + "%" + threeDigits(input.Take<uint16_t>() % 1000);
    const std::string raw = input.Text();
    s.infoText3 = (kind & 3) == 1 ? raw : (kind & 3) == 2 ? raw + df : df;
    const std::string rows[] = {s.callsign, "", "Callsign", "NOPE",
                                "S" + std::to_string((station + 1) % plot::kStationCount)};
    return rows[std::max(0, (kind >> 2 & 7) - 3)];
}

struct Plots : SimulatedProgram {
    // The texts from the column headings to the solution, every position among them a number.
    std::string CheckedTexts() {
        std::string texts;
        for (int id = 0; id < static_cast<int>(ControlId::ObjectLabel); ++id)
            texts += view.Text(static_cast<ControlId>(id)) + "\n";
        Check(texts.find("nan") == texts.npos && texts.find("inf") == texts.npos, "positions are numbers");
        return texts;
    }
    // A plot, then the same plot again: same texts, and the fix object stays.
    void Plot() {
        window.OnCommand(Command::Plot);
        const std::string shown = CheckedTexts();
        host.TakeJournal();
        window.OnCommand(Command::Plot);
        Check(shown == CheckedTexts(), "the same plot again shows the same");
        Check(std::ranges::count(host.Journal(), "AddObject", &sim::JournalEntry::call) == 0,
              "the fix object stays");
    }
};

}  // namespace
}  // namespace trivex::fuzz

void trivex::fuzz::FuzzOne(FuzzInput& input) {
    Plots p;
    Check(p.window.Startup(), "start-up goes on");
    p.host.map = TakeMap(input);
    const auto options = input.Take<uint8_t>();
    p.window.OnCommand(ThicknessItem((options & 3) + 1));
    p.window.OnCommand(IgnoreItem((options >> 2 & 7) % kIgnoreItems + 1));
    if (options & 0x40) p.window.OnCommand(Command::OptionsShowEstimate);
    if (options & 0x80) p.window.OnCommand(Command::OptionsReplot);
    for (int n = input.Take<uint8_t>() % 4; n > 0; --n) p.host.objects.push_back(input.Text());
    for (int row = 0; row < plot::kStationCount; ++row)
        p.view.SetText(CallSignBox(row), AddStation(input, row, p.host));

    p.Plot();
    // 0 a plot, 1 a station's beacon, 2 the map redrawn, 3 another map view, 4 a station moves,
    // 5 Enter in a row.
    for (int n = 0; n < 16 && !input.Empty(); ++n) {
        const int action = input.Take<uint8_t>() % 6;
        if (action == 0) p.Plot();
        if (action == 2) p.host.Fire(sim::Event::MapRedrawn);
        if (action == 3) p.host.map = TakeMap(input);
        if (action == 5)  // Enter in a call-sign box plots; the key itself is not kept
            static_cast<void>(p.window.OnCallSignKey(input.Take<uint8_t>() % plot::kStationCount, '\r'));
        if (action == 1 || action == 4) {
            sim::Station& s = p.host.stations[input.Take<uint8_t>() % plot::kStationCount];
            if (action == 1) p.host.FireNotifyBeacon(s.callsign, s.latitude, s.longitude);
            if (action == 4) s.latitude = input.Take<float>();
            if (action == 4) s.longitude = input.Take<float>();
        }
        p.CheckedTexts();
    }
    Check(p.view.Messages().empty() && !p.window.Ended(), "no message box, the program goes on");
}
