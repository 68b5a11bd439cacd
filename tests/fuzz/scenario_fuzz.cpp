// The runner's scenario reader on any text: it reads a scenario or throws ScenarioError,
// nothing else. A scenario it reads is played to the end, with the runner's bound on the
// events fired inside the host's calls, and written out as a transcript, a summary and a picture.
#include <sstream>
#include <string>

#include "simkit/runner.h"
#include "simkit/scenario.h"
#include "simkit/transcript.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace trivex;
    simkit::Scenario scenario;
    try {
        scenario = simkit::ReadScenario(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const simkit::ScenarioError&) {
        return 0;
    }
    std::ostringstream transcript;
    simkit::TranscriptWriter writer(transcript);
    simkit::ScenarioRun run(std::move(scenario), [&writer](const json::Json& step) { writer.Step(step); });
    run.Play();
    writer.Finish();
    fuzz::Check(!transcript.str().empty() && !run.Summary().empty() && !run.MapSvg().empty(),
                "a transcript, a summary and a picture");
    return 0;
}
