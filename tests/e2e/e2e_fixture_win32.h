// The end-to-end fixture: Trivex.exe in a folder of its own, the stand-in host server
// registered in the test's Wine prefix (or not), and the stand-in's control object. Every case leaves the
// prefix as it found it: no host registered, no program running, and the stand-in with no more live objects
// than before Trivex.exe ran.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "standin_control_win32.h"
#include "trivex_program_win32.h"

namespace trivex::test {

using nlohmann::json;

// A plot with five DF stations in a scenario as trivex-sim and the stand-in read it.
extern const char* const kFiveStations;

// How many of the journal's entries are calls of that operation.
size_t CountCalls(const json& journal, const std::string& call);

class EndToEndTest : public ::testing::Test {
  protected:
    void TearDown() override;

    // Registers the stand-in and starts it (StartHost), then starts Trivex.exe with that
    // settings file (none: a first start) and waits until its start-up has looked up that many
    // stations and drawn that many lines, taking the journal. Throws when the stand-in cannot be
    // registered or no main window appears.
    void StartTrivex(const std::optional<std::string>& settings, size_t lookups, size_t lines);

    // Ends the stand-in's process at once, as a crash would; a new one can be started.
    static void KillHost();
    // Connects to a new control object, which starts the registered stand-in if none runs,
    // and loads the five stations.
    void StartHost();

    standin::StandInControlClient& Control() { return *control_; }
    // The stand-in's objects alive now that were not before Trivex.exe started.
    long AddedLiveObjects() { return control_->LiveObjects() - liveAtStart_; }
    // The calls the host received since the last look.
    json Journal() { return json::parse(control_->TakeJournal()); }

    TrivexProgram trivex_;

  private:
    std::unique_ptr<standin::StandInControlClient> control_;
    long liveAtStart_ = 0;
};

}  // namespace trivex::test
