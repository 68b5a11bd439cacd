#include "command_line.h"

#include <algorithm>
#include <fstream>
#include <new>
#include <optional>

#include "simkit/hunts.h"
#include "simkit/runner.h"
#include "simkit/transcript.h"

namespace trivex::simkit {

namespace {

constexpr const char* kUsage =
    "usage: trivex-sim SCENARIO.json [--svg MAP.svg] [--geojson PLOT.geojson] [--kml PLOT.kml] [--summary]\n"
    "       trivex-sim --hunts N --seed S [--reflect]";

struct Options {
    std::string scenarioFile;
    std::optional<std::string> svgFile;
    std::optional<std::string> geoJsonFile;
    std::optional<std::string> kmlFile;
    bool summary = false;
    std::optional<HuntOptions> hunts;
};

// A whole number from `low` up, all digits.
std::optional<uint64_t> CountOf(const std::string& text, uint64_t low) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const uint64_t value = std::stoull(text);
    if (value < low) return std::nullopt;
    return value;
}

// --hunts N --seed S [--reflect], in any order and nothing else.
std::optional<HuntOptions> ParseHunts(const std::vector<std::string>& args) {
    HuntOptions hunts;
    std::optional<uint64_t> count, seed;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--reflect") {
            hunts.reflect = true;
        } else if (args[i] == "--hunts" && i + 1 < args.size()) {
            count = CountOf(args[++i], 1);
        } else if (args[i] == "--seed" && i + 1 < args.size()) {
            seed = CountOf(args[++i], 0);
        } else {
            return std::nullopt;
        }
    }
    if (!count || !seed || *count > 1000000) return std::nullopt;
    hunts.hunts = static_cast<int>(*count);
    hunts.seed = *seed;
    return hunts;
}

std::optional<Options> ParseArguments(const std::vector<std::string>& args) {
    Options options;
    if (std::find(args.begin(), args.end(), "--hunts") != args.end()) {
        options.hunts = ParseHunts(args);
        if (!options.hunts) return std::nullopt;
        return options;
    }
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--summary") {
            options.summary = true;
        } else if (args[i] == "--svg" && i + 1 < args.size()) {
            options.svgFile = args[++i];
        } else if (args[i] == "--geojson" && i + 1 < args.size()) {
            options.geoJsonFile = args[++i];
        } else if (args[i] == "--kml" && i + 1 < args.size()) {
            options.kmlFile = args[++i];
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

// An output file opened before the run, so that a run is not wasted on a file that cannot be
// written; closed when the run has written it.
class OutputFile {
  public:
    explicit OutputFile(const std::optional<std::string>& path) : path_(path) {
        if (path_) file_.open(*path_, std::ios::binary);
    }
    bool Opened() const { return !path_ || file_.is_open(); }
    // False when the file could not be written.
    bool Write(const std::string& text) {
        if (!path_) return true;
        file_ << text;
        file_.close();
        return !file_.fail();
    }
    const std::string& Path() const { return *path_; }

  private:
    std::optional<std::string> path_;
    std::ofstream file_;
};

// The transcript goes out a step at a time as the run makes it.
int Run(const Options& options, Scenario scenario, std::ostream& out, std::ostream& err) {
    OutputFile svg(options.svgFile);
    if (!svg.Opened()) return CannotWrite(err, svg.Path());
    OutputFile geoJson(options.geoJsonFile);
    if (!geoJson.Opened()) return CannotWrite(err, geoJson.Path());
    OutputFile kml(options.kmlFile);
    if (!kml.Opened()) return CannotWrite(err, kml.Path());
    TranscriptWriter transcript(out);
    ScenarioRun::StepSink recordStep;
    if (!options.summary) recordStep = [&transcript](const json::Json& step) { transcript.Step(step); };
    ScenarioRun run(std::move(scenario), std::move(recordStep), [&](const std::string& warning) {
        err << "trivex-sim: " << options.scenarioFile << ": " << warning << "\n";
    });
    run.Play();
    if (options.summary)
        out << run.Summary();
    else
        transcript.Finish();
    if (!svg.Write(options.svgFile ? run.MapSvg() : "")) return CannotWrite(err, svg.Path());
    if (!geoJson.Write(options.geoJsonFile ? run.GeoJson() : "")) return CannotWrite(err, geoJson.Path());
    if (!kml.Write(options.kmlFile ? run.Kml() : "")) return CannotWrite(err, kml.Path());
    return kExitOk;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<Options> options = ParseArguments(args);
    if (!options) {
        err << kUsage << "\n";
        return kExitBadInput;
    }
    if (options->hunts) {
        WriteHuntFigures(out, *options->hunts, FiguresOf(PlayHunts(*options->hunts)));
        return kExitOk;
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
