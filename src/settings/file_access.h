// What the settings file code needs of the operating system: a whole file read and replaced,
// and the code page of a UTF-16 file's names and values.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/private_profile.h"

namespace trivex::settings {

// A whole file as read. Neither bytes nor error: the file, or its folder, does not exist.
struct FileRead {
    std::optional<std::string> bytes;
    std::optional<std::string> error;  // the system's description when the file could not be read
};

enum class ReplaceResult {
    Replaced,
    NoFileBeside,  // the file beside could not be created (a folder that refuses new files): nothing changed
    Failed,
};

class FileAccess {
  public:
    virtual ~FileAccess() = default;

    // ReplaceFile writes a new file beside the file, under a name no other file has, and puts
    // it in the file's place as the system replaces files (the file keeps its attributes and
    // security), so the file is either the old or the new one. OverwriteFile opens the file
    // itself for writing (creating it when absent), replaces its contents and closes it: the
    // file stays the same file, but a failure part-way leaves it cut short. Both refuse a file
    // marked read-only, which the user means to keep as it is.
    virtual FileRead ReadFile(const std::string& path) = 0;
    virtual ReplaceResult ReplaceFile(const std::string& path, std::string_view bytes) = 0;
    virtual bool OverwriteFile(const std::string& path, std::string_view bytes) = 0;
    // The code page of the settings file's names and values in a UTF-16 file.
    virtual const AnsiCodePage& CodePage() = 0;
};

}  // namespace trivex::settings
