// The settings in memory and the settings file's text conventions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/platform.h"

namespace trivex::ui {

struct Settings {
    int16_t PlotLineThickness = 1;   // pixels, 1..4
    double IgnoreDistance = 1000.0;  // metres
    bool ReplotAfterMapIsRedrawn = false;
    bool LogPairResults = false;
    bool ShowBestEstimate = false;
    int ignoreItem = 1;  // the checked item of the ignore-distance menu, 1..6
};

// "TRUE", "YES", "1" or "ON", in any case.
[[nodiscard]] bool IsTrueText(const std::string& text);
[[nodiscard]] std::string BoolToText(bool flag);

// The private-profile file of the program, read and written as a whole through the platform.
// A file that does not exist reads as empty. Once a read has failed, the file is neither read
// nor written again through this object: what it would write could only be built on text that
// did not come from the file.
class IniFile {
  public:
    IniFile(PlatformServices& platform, std::string path) : platform_(platform), path_(std::move(path)) {}

    // The default when the file cannot be read.
    [[nodiscard]] std::string GetIniString(const std::string& section, const std::string& key,
                                           const std::string& defaultValue);
    // Reads the key; a value equal to the default is written back, silently.
    [[nodiscard]] std::string GetIniSetting(const std::string& section, const std::string& key,
                                            const std::string& defaultValue);
    // The system's reason why a read failed.
    [[nodiscard]] const std::optional<std::string>& ReadError() const { return readError_; }

    // Collects writes over the file as read and writes it once: replaced whole, or in place
    // when no file may be created beside it; false when the file could not be read or written.
    class Batch {
      public:
        explicit Batch(IniFile& file);
        void Write(const std::string& section, const std::string& key, const std::string& value);
        [[nodiscard]] bool Commit();

      private:
        IniFile& file_;
        std::optional<std::string> bytes_;
        bool changed_ = false;
    };

  private:
    [[nodiscard]] std::optional<std::string> Bytes();
    PlatformServices& platform_;
    std::string path_;
    std::optional<std::string> readError_;
};

}  // namespace trivex::ui
