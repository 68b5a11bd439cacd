#include "settings/ini_file.h"

#include <algorithm>
#include <cctype>

namespace trivex::settings {

bool IsTrueText(const std::string& text) {
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    return upper == "TRUE" || upper == "YES" || upper == "1" || upper == "ON";
}

std::string BoolToText(bool flag) {
    return flag ? "TRUE" : "FALSE";
}

std::optional<std::string> IniFile::Bytes() {
    if (readError_) return std::nullopt;
    FileRead read = files_.ReadFile(path_);
    readError_ = std::move(read.error);
    if (readError_) return std::nullopt;
    return std::move(read.bytes).value_or(std::string());
}

std::string IniFile::GetIniString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) {
    return ProfileReadString(Bytes().value_or(std::string()), section, key, defaultValue, files_.CodePage());
}

std::string IniFile::GetIniSetting(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) {
    const std::string value = GetIniString(section, key, defaultValue);
    if (value == defaultValue && !readError_) {
        Batch batch(*this);
        batch.Write(section, key, defaultValue);
        static_cast<void>(batch.Commit());  // a default that cannot be written back is not worth a message
    }
    return value;
}

IniFile::Batch::Batch(IniFile& file) : file_(file), bytes_(file.Bytes()) {}

void IniFile::Batch::Write(const std::string& section, const std::string& key, const std::string& value) {
    if (!bytes_) return;
    if (auto changed = ProfileWriteString(*bytes_, section, key, value, file_.files_.CodePage())) {
        bytes_ = std::move(*changed);
        changed_ = true;
    }
}

bool IniFile::Batch::Commit() {
    if (!bytes_) return false;
    if (!changed_) return true;
    FileAccess& files = file_.files_;
    switch (files.ReplaceFile(file_.path_, *bytes_)) {
        case ReplaceResult::Replaced:
            return true;
        case ReplaceResult::NoFileBeside:
            return files.OverwriteFile(file_.path_, *bytes_);
        case ReplaceResult::Failed:
            break;
    }
    return false;
}

}  // namespace trivex::settings
