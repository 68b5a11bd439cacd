// The runner's scenario reader on any text: it reads a scenario or throws ScenarioError,
// nothing else. A scenario it reads is played to the end and written out as a transcript,
// a summary and a picture.
#include <string>

#include "runner.h"
#include "scenario.h"
#include "svg_map.h"
#include "tests/fuzz/fuzz_support.h"

namespace trivex::fuzz {
namespace {

// An event fired from inside every drawing call, with replotting on, plots for ever: the
// host would be asking for that, so such rules are left out of the play.
bool MayPlotAgain(sim::Event event) {
    return event != sim::Event::DataAvailable && event != sim::Event::UIView32IsClosing;
}

void Play(runner::Scenario scenario) {
    std::erase_if(scenario.eventsDuringCalls,
                  [](const runner::EventRule& rule) { return MayPlotAgain(rule.event); });
    runner::ScenarioRun run(scenario);
    run.Play();
    Check(!run.Transcript().Text().empty(), "a transcript");
    Check(!run.Summary().empty(), "a summary");
    Check(!runner::SvgText(run.Picture()).empty(), "a picture");
}

}  // namespace
}  // namespace trivex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    trivex::runner::Scenario scenario;
    try {
        scenario = trivex::runner::ReadScenario(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const trivex::runner::ScenarioError&) {
        return 0;
    }
    trivex::fuzz::Play(std::move(scenario));
    return 0;
}
