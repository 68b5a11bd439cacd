#include "command_line.h"

#include <fstream>
#include <new>
#include <optional>

#include "simkit/runner.h"
#include "simkit/transcript.h"

namespace trivex::simkit {

namespace {

constexpr const char* kUsage = "usage: trivex-sim SCENARIO.json [--svg MAP.svg] [--summary]";

struct Options {
    std::string scenarioFile;
    std::optional<std::string> svgFile;
    bool summary = false;
};

std::optional<Options> ParseArguments(const std::vector<std::string>& args) {
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--summary") {
            options.summary = true;
        } else if (args[i] == "--svg" && i + 1 < args.size()) {
            options.svgFile = args[++i];
        } else if (args[i].starts_with("--") || !options.scenarioFile.empty()) {
            return std::nullopt;
        } else {
            options.scenarioFile = args[i];
        }
    }
    if (options.scenarioFile.empty()) return std::nullopt;
    return options;
}

// The whole file; throws ScenarioError when it cannot be read or is larger than a scenario may be.
std::string ReadScenarioFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        if (text.size() + static_cast<size_t>(in.gcount()) > kMaxScenarioBytes)
            throw ScenarioError("larger than " + std::to_string(kMaxScenarioBytes >> 20) +
                                " MiB, the most a scenario may hold");
        text.append(chunk, static_cast<size_t>(in.gcount()));
    }
    if (in.bad() || !in.eof()) throw ScenarioError("cannot read the file");  // a folder, for one
    return text;
}

int CannotWrite(std::ostream& err, const std::string& path) {
    err << "trivex-sim: cannot write " << path << "\n";
    return kExitFailed;
}

// The picture's file is opened before the run, so that a run is not wasted on a picture that
// cannot be written. The transcript goes out a step at a time as the run makes it.
int Run(const Options& options, Scenario scenario, std::ostream& out, std::ostream& err) {
    std::ofstream svg;
    if (options.svgFile) {
        svg.open(*options.svgFile, std::ios::binary);
        if (!svg) return CannotWrite(err, *options.svgFile);
    }
    TranscriptWriter transcript(out);
    ScenarioRun::StepSink recordStep;
    if (!options.summary) recordStep = [&transcript](const Json& step) { transcript.Step(step); };
    ScenarioRun run(std::move(scenario), std::move(recordStep), [&](const std::string& warning) {
        err << "trivex-sim: " << options.scenarioFile << ": " << warning << "\n";
    });
    run.Play();
    if (options.summary)
        out << run.Summary();
    else
        transcript.Finish();
    if (options.svgFile) {
        svg << run.MapSvg();
        svg.close();
        if (svg.fail()) return CannotWrite(err, *options.svgFile);
    }
    return kExitOk;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<Options> options = ParseArguments(args);
    if (!options) {
        err << kUsage << "\n";
        return kExitBadInput;
    }
    const std::string& file = options->scenarioFile;
    Scenario scenario;
    try {
        scenario = ReadScenario(ReadScenarioFile(file));
    } catch (const ScenarioError& error) {
        err << "trivex-sim: " << file << ": " << error.what() << "\n";
        return kExitBadInput;
    } catch (const std::bad_alloc&) {
        err << "trivex-sim: " << file << ": not enough memory to read the scenario\n";
        return kExitBadInput;
    }
    try {
        return Run(*options, std::move(scenario), out, err);
    } catch (const std::bad_alloc&) {
        err << "trivex-sim: " << file << ": the run failed: not enough memory\n";
    } catch (const std::exception& error) {
        err << "trivex-sim: " << file << ": the run failed: " << error.what() << "\n";
    }
    return kExitFailed;
}

}  // namespace trivex::simkit
