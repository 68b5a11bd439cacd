// The settings file as a whole, over the file access the system gives, and its text conventions.
#pragma once

#include <optional>
#include <string>

#include "settings/file_access.h"

namespace trivex::settings {

// "TRUE", "YES", "1" or "ON", in any case.
bool IsTrueText(const std::string& text);
std::string BoolToText(bool flag);

// A private-profile file read and written as a whole. A file that does not exist reads as
// empty. Once a read has failed, the file is neither read nor written again through this
// object: what it would write could only be built on text that did not come from the file.
class IniFile {
  public:
    IniFile(FileAccess& files, std::string path) : files_(files), path_(std::move(path)) {}

    // The default when the file cannot be read.
    std::string GetIniString(const std::string& section, const std::string& key,
                             const std::string& defaultValue);
    // Reads the key; a value equal to the default is written back, silently.
    std::string GetIniSetting(const std::string& section, const std::string& key,
                              const std::string& defaultValue);
    // The system's reason why a read failed.
    const std::optional<std::string>& ReadError() const { return readError_; }

    // Collects writes over the file as read and writes it once: replaced whole, or in place
    // when no file may be created beside it; false when the file could not be read or written.
    class Batch {
      public:
        explicit Batch(IniFile& file);
        void Write(const std::string& section, const std::string& key, const std::string& value);
        bool Commit();

      private:
        IniFile& file_;
        std::optional<std::string> bytes_;
        bool changed_ = false;
    };

  private:
    std::optional<std::string> Bytes();
    FileAccess& files_;
    std::string path_;
    std::optional<std::string> readError_;
};

}  // namespace trivex::settings
