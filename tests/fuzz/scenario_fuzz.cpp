// The runner's scenario reader on any text: it reads a scenario or throws ScenarioError,
// nothing else. A scenario it reads is played to the end and written out as a transcript,
// a summary and a picture.
#include <sstream>
#include <string>

#include "runner.h"
#include "scenario.h"
#include "svg_map.h"
#include "tests/fuzz/fuzz_support.h"
#include "transcript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace trivex;
    runner::Scenario scenario;
    try {
        scenario = runner::ReadScenario(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const runner::ScenarioError&) {
        return 0;
    }
    // An event fired from inside every drawing call, with replotting on, plots for ever: the
    // host would be asking for that, so only the events that do not plot stay.
    std::erase_if(scenario.eventsDuringCalls, [](const runner::EventRule& rule) {
        return rule.event != sim::Event::DataAvailable && rule.event != sim::Event::UIView32IsClosing;
    });
    std::ostringstream transcript;
    runner::TranscriptWriter writer(transcript);
    runner::ScenarioRun run(std::move(scenario), [&writer](const runner::Json& step) { writer.Step(step); });
    run.Play();
    writer.Finish();
    fuzz::Check(
        !transcript.str().empty() && !run.Summary().empty() && !runner::SvgText(run.Picture()).empty(),
        "a transcript, a summary and a picture");
    return 0;
}
