// Runs the platform's GetPrivateProfileStringA and WritePrivateProfileStringA on a file and our
// code on the same bytes, and compares every result and the file after every write.
#include "ui/private_profile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace trivex {
namespace {

using namespace std::string_literals;

enum class StepKind {
    Read,
    Write,
    Setting,  // read, and write the default back when the read gave it, as a start-up does
};

struct Step {
    StepKind kind;
    std::string section, key;
    std::string text;  // the default, or the value written
    size_t bufferSize = 500;
};

Step Read(std::string section, std::string key, std::string defaultValue, size_t bufferSize = 500) {
    return {StepKind::Read, std::move(section), std::move(key), std::move(defaultValue), bufferSize};
}
Step Write(std::string section, std::string key, std::string value) {
    return {StepKind::Write, std::move(section), std::move(key), std::move(value)};
}
Step Setting(std::string key, std::string defaultValue) {
    return {StepKind::Setting, "SETUP", std::move(key), std::move(defaultValue)};
}

struct Scenario {
    const char* what;
    std::optional<std::string> file;  // nothing: no file
    std::vector<Step> steps;
};

class ScratchFile {
  public:
    ScratchFile(const std::optional<std::string>& bytes) {
        static int count = 0;
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        path_ = std::string(folder) + "trivex-profile-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++count) + ".ini";
        DeleteFileA(path_.c_str());
        if (bytes) std::ofstream(path_, std::ios::binary) << *bytes;
    }
    ~ScratchFile() { DeleteFileA(path_.c_str()); }

    const char* path() const { return path_.c_str(); }

    std::string Bytes() const {
        std::ifstream file(path_, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    // Wine keeps a parsed copy of a file it has used; our code reads the file afresh each time.
    void ReleasePlatformCopy() const { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path()); }

  private:
    std::string path_;
};

std::string PlatformRead(const ScratchFile& file, const Step& step) {
    std::vector<char> buffer(step.bufferSize + 1);
    DWORD count = GetPrivateProfileStringA(step.section.c_str(), step.key.c_str(), step.text.c_str(),
                                           buffer.data(), static_cast<DWORD>(step.bufferSize), file.path());
    return std::string(buffer.data(), count);
}

void CompareRead(const ScratchFile& file, const Step& step, const std::string& trace) {
    file.ReleasePlatformCopy();
    EXPECT_EQ(ProfileReadString(file.Bytes(), step.section, step.key, step.text, step.bufferSize),
              PlatformRead(file, step))
        << trace;
}

void CompareWrite(const ScratchFile& file, const Step& step, const std::string& trace) {
    file.ReleasePlatformCopy();
    std::string before = file.Bytes();
    std::optional<std::string> ours = ProfileWriteString(before, step.section, step.key, step.text);
    EXPECT_TRUE(
        WritePrivateProfileStringA(step.section.c_str(), step.key.c_str(), step.text.c_str(), file.path()))
        << trace;
    EXPECT_EQ(ours.value_or(before), file.Bytes()) << trace << (ours ? " (changed)" : " (unchanged)");
}

void RunScenario(const Scenario& scenario) {
    ScratchFile file(scenario.file);
    for (size_t i = 0; i < scenario.steps.size(); ++i) {
        const Step& step = scenario.steps[i];
        std::string trace = std::string(scenario.what) + ", step " + std::to_string(i + 1) + " [" +
                            step.section + "] " + step.key + " \"" + step.text + "\" buffer " +
                            std::to_string(step.bufferSize);
        if (step.kind != StepKind::Write) CompareRead(file, step, trace);
        file.ReleasePlatformCopy();
        bool writeDefault = step.kind == StepKind::Setting && PlatformRead(file, step) == step.text;
        if (step.kind == StepKind::Write || writeDefault) CompareWrite(file, step, trace);
    }
}

std::vector<Step> FirstStart() {
    return {Setting("LEFT", "4590"),         Setting("TOP", "3135"),
            Setting("MINIMIZED", "FALSE"),   Setting("PlotLineThickness", "1"),
            Setting("IgnoreDistance", "1"),  Setting("ReplotAfterMapIsRedrawn", "FALSE"),
            Setting("CallSign1", "NOCALL1"), Setting("CallSign2", "NOCALL2"),
            Setting("CallSign3", "NOCALL3"), Setting("CallSign4", "NOCALL4"),
            Setting("CallSign5", "NOCALL5")};
}

std::vector<Step> Save(const std::string& left, const std::string& minimized, const std::string& callSign1) {
    return {Write("SETUP", "LEFT", left),           Write("SETUP", "TOP", "3135"),
            Write("SETUP", "MINIMIZED", minimized), Write("SETUP", "PlotLineThickness", "2"),
            Write("SETUP", "IgnoreDistance", "4"),  Write("SETUP", "ReplotAfterMapIsRedrawn", "TRUE"),
            Write("SETUP", "CallSign1", callSign1), Write("SETUP", "CallSign2", "NOCALL2"),
            Write("SETUP", "CallSign3", ""),        Write("SETUP", "CallSign4", "nocall4"),
            Write("SETUP", "CallSign5", "NOCALL5")};
}

std::vector<Step> Join(std::vector<std::vector<Step>> parts) {
    std::vector<Step> steps;
    for (auto& part : parts) steps.insert(steps.end(), part.begin(), part.end());
    return steps;
}

TEST(PrivateProfileWin32Test, MatchesThePlatform) {
    const std::vector<Scenario> scenarios = {
        // No file: a first start, a second start, two saves, the second changing nothing.
        {"fresh file", std::nullopt,
         Join({FirstStart(), FirstStart(), Save("-120", "TRUE", "DL1ABC"), Save("-120", "TRUE", "DL1ABC")})},
        // An empty file reads as no file.
        {"empty file", "", Join({FirstStart(), Save("4598", "FALSE", "W1AW")})},
        // Names in other cases keep their spelling.
        {"mixed case", "[setup]\r\nleft=100\r\nCALLSIGN1=dk0abc\r\nminimized=yes\r\n",
         Join({FirstStart(), Save("100", "TRUE", "DK0ABC")})},
        // Comments, blank lines, blanks around "=", other sections.
        {"hand-edited file",
         "; Trivex\r\n\r\n[Other]\r\nkeep = me \r\n\r\n[SETUP]\r\n; window\r\nLEFT = 200 "
         "\r\n\r\nTOP=\t300\r\n"
         "# end\r\n[Last]\r\nx=1\r\n",
         Join({FirstStart(),
               Save("200", "FALSE", "G4XYZ"),
               {Read("Other", "keep", ""), Read("last", "X", "")}})},
        // Quoted values read unquoted; writing the unquoted text is a change.
        {"quoted values",
         "[SETUP]\r\nCallSign1=\"DL1 ABC\"\r\nCallSign2='W1AW'\r\nCallSign3=\"x'\r\nCallSign4=\"\"\r\n",
         Join({FirstStart(),
               {Read("SETUP", "CallSign1", "", 8), Read("SETUP", "CallSign1", "", 9),
                Read("SETUP", "CallSign1", "", 3), Write("SETUP", "CallSign1", "DL1 ABC"),
                Write("SETUP", "CallSign2", "'W1AW'")}})},
        // Defaults: trailing spaces, quotes, small buffers.
        {"defaults",
         std::nullopt,
         {Read("A", "k", "ab  "), Read("A", "k", "   "), Read("A", "k", ""), Read("A", "k", "\"q\" "),
          Read("A", "k", "\t x \t"), Read("A", "k", "abcdef", 3), Read("A", "k", "abcdef", 1),
          Read("A", "k", "abcdef", 0)}},
        // Values: blanks around, long values, case.
        {"written values",
         "[A]\r\nk=v\r\n",
         {Write("A", "k", "  v"), Write("A", "k", "v  "), Read("A", "k", ""), Write("A", "k", "v"),
          Write("A", "k", "V"), Write("A", "k", std::string(600, 'y')), Read("A", "k", ""),
          Write("A", "k", ""), Read("A", "k", "d"), Write("A", "k", "a\r\nb=c"), Read("A", "b", "")}},
        // Names with blanks, empty names, the nameless section.
        {"names",
         "k0=0\r\n[A]\r\n=1\r\n=2\r\nk\r\n=3\r\n",
         {Read("A", "", "d"), Read("", "k0", "d"), Read(" a ", " K ", "d"), Write(" B ", " n ", "v"),
          Write("A", "k", "9"), Write("", "k1", "1"), Write(" ", "k2", "2")}},
        // Line ends, control-Z, NUL bytes, bytes beyond ASCII.
        {"odd bytes",
         "[A]\ra=1\rb=2\n\n\r\r[B]\r\nk=v\x1A\r\nn=a\0b\r\nm\0n=2\r\n\xC9=\xA0\x81\xFF\xA0\r\n\x1A\0"s,
         {Read("A", "b", "d"), Read("B", "k", "d"), Read("B", "n", "d"), Read("B", "m", "d"),
          Read("B", "\xC9", "d"), Read("B", "\xE9", "d"), Write("B", "\xC9", "\x80\x9D"),
          Write("A", "c", "3")}},
        // Section headers: blanks, text after "]", no "]", "[]", a repeated name.
        {"section headers",
         "[ A ] x\r\na=1\r\n[B\r\nb=2\r\n[C]x]\r\nc=3\r\n[]\r\nd=4\r\n[a]\r\ne=5\r\n",
         {Read("a", "a", "d"), Read("A", "[B", "d"), Read("C]x", "c", "d"), Read("C]x", "d", "d"),
          Read("", "d", "d"), Read("A", "e", "d"), Write("A", "e", "6"), Write("C]x", "f", "7")}},
        // An editor's UTF-8 mark stays in front.
        {"UTF-8 mark", "\xEF\xBB\xBF[SETUP]\r\nLEFT=10\r\n",
         Join({FirstStart(), Save("10", "FALSE", "NOCALL1")})},
    };
    for (const Scenario& scenario : scenarios) RunScenario(scenario);
}

}  // namespace
}  // namespace trivex
