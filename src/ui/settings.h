// The settings in memory and the settings file's text conventions.
#pragma once

#include <cstdint>
#include <string>

#include "ui/platform.h"

namespace trivex::ui {

struct Settings {
    int16_t PlotLineThickness = 1;   // pixels, 1..4
    double IgnoreDistance = 1000.0;  // metres
    bool ReplotAfterMapIsRedrawn = false;
    int ignoreItem = 1;  // the checked item of the ignore-distance menu, 1..6
};

// "TRUE", "YES", "1" or "ON", in any case.
bool IsTrueText(const std::string& text);
std::string BoolToText(bool flag);

// The private-profile file of the program, read and written as a whole through the platform.
class IniFile {
  public:
    IniFile(PlatformServices& platform, std::string path) : platform_(platform), path_(std::move(path)) {}

    std::string GetIniString(const std::string& section, const std::string& key,
                             const std::string& defaultValue);
    // Reads the key; a value equal to the default is written back, silently.
    std::string GetIniSetting(const std::string& section, const std::string& key,
                              const std::string& defaultValue);

    // Collects writes and replaces the file once; false when the file could not be written.
    class Batch {
      public:
        explicit Batch(IniFile& file);
        void Write(const std::string& section, const std::string& key, const std::string& value);
        bool Commit();

      private:
        IniFile& file_;
        std::string bytes_;
        bool changed_ = false;
    };

  private:
    std::string Bytes();
    PlatformServices& platform_;
    std::string path_;
};

}  // namespace trivex::ui
