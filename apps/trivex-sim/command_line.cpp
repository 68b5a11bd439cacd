#include "command_line.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "runner.h"

namespace trivex::runner {

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

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    try {
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {  // a folder, for one
        return std::nullopt;
    }
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    return !out.fail();
}

int Run(const Options& options, const Scenario& scenario, std::ostream& out, std::ostream& err) {
    ScenarioRun run(scenario);
    run.Play();
    if (options.svgFile && !WriteWholeFile(*options.svgFile, SvgText(run.Picture()))) {
        err << "trivex-sim: cannot write " << *options.svgFile << "\n";
        return kExitFailed;
    }
    out << (options.summary ? run.Summary() : run.Transcript().Text());
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
    const std::optional<std::string> text = ReadWholeFile(file);
    if (!text) {
        err << "trivex-sim: " << file << ": cannot read the file\n";
        return kExitBadInput;
    }
    Scenario scenario;
    try {
        scenario = ReadScenario(*text);
    } catch (const ScenarioError& error) {
        err << "trivex-sim: " << file << ": " << error.what() << "\n";
        return kExitBadInput;
    }
    try {
        return Run(*options, scenario, out, err);
    } catch (const std::exception& error) {
        err << "trivex-sim: " << file << ": the run failed: " << error.what() << "\n";
        return kExitFailed;
    }
}

}  // namespace trivex::runner
