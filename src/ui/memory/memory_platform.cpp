#include "ui/memory/memory_platform.h"

#include <charconv>

namespace trivex::ui {

using settings::FileRead;
using settings::ReplaceResult;

namespace {

constexpr int16_t kLowerA = 'a';
constexpr int16_t kLowerZ = 'z';
constexpr int16_t kCaseOffset = 'a' - 'A';

// A word whose version text is exactly `text`: the plain decimal of a signed 16-bit number.
std::optional<uint16_t> WordOfText(std::string_view text) {
    int16_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
    if (std::to_string(value) != text) return std::nullopt;  // "05", "-0" and "+5" do not come back
    return static_cast<uint16_t>(value);
}

}  // namespace

std::u16string Latin1CodePage::ToUtf16(std::string_view text) const {
    std::u16string converted;
    for (const char c : text) converted += static_cast<char16_t>(static_cast<unsigned char>(c));
    return converted;
}

std::string Latin1CodePage::FromUtf16(std::u16string_view text) const {
    std::string converted;
    for (const char16_t c : text) converted += c <= 0xFF ? static_cast<char>(c) : '?';
    return converted;
}

std::optional<host::FixedFileVersion> FileVersionOfText(std::string_view text) {
    constexpr size_t kLongestText = 19;  // "-32768.-32768-32768"
    if (text.size() > kLongestText) return std::nullopt;
    const size_t point = text.find('.');
    if (point == std::string_view::npos) return std::nullopt;
    const auto major = WordOfText(text.substr(0, point));
    const std::string_view rest = text.substr(point + 1);
    if (!major) return std::nullopt;
    // The minor number and the fourth part stand side by side: take the first split that works.
    for (size_t split = 1; split < rest.size(); ++split) {
        const auto minor = WordOfText(rest.substr(0, split));
        const auto revision = WordOfText(rest.substr(split));
        if (minor && revision) return host::FixedFileVersion{*major, *minor, 0, *revision};
    }
    return std::nullopt;
}

std::optional<host::FixedFileVersion> MemoryPlatform::ReadFixedVersionInfo(const std::string& file) {
    if (Key(file) != Key(hostFolder + "\\uiview32.exe")) return std::nullopt;
    return hostVersion;
}

FileRead MemoryPlatform::ReadFile(const std::string& path) {
    const auto file = files_.find(Key(path));
    if (file == files_.end()) return {};
    if (file->second.readError) return {std::nullopt, file->second.readError};
    return {file->second.bytes, std::nullopt};
}

ReplaceResult MemoryPlatform::ReplaceFile(const std::string& path, std::string_view bytes) {
    if (readOnlyFolder) return ReplaceResult::NoFileBeside;
    const std::string temporary = Key(path + ".tmp");
    if (!Step()) return ReplaceResult::Failed;
    files_[temporary] = {};
    if (!Step()) return ReplaceResult::Failed;
    files_[temporary].bytes = bytes.substr(0, bytes.size() / 2);
    if (!Step()) return ReplaceResult::Failed;
    files_[temporary].bytes = bytes;
    if (!Step()) return ReplaceResult::Failed;
    Write(path, bytes);
    files_.erase(temporary);
    return ReplaceResult::Replaced;
}

bool MemoryPlatform::OverwriteFile(const std::string& path, std::string_view bytes) {
    if (readOnlyFolder && !File(path)) return false;
    if (!Step()) return false;
    Write(path, bytes);
    return true;
}

void MemoryPlatform::Write(const std::string& path, std::string_view bytes) {
    StoredFile& file = files_[Key(path)];
    file.bytes = bytes;
    ++file.writes;
}

bool MemoryPlatform::Step() {
    if (crashed) return false;
    if (!stepsBeforeCrash) return true;
    crashed = *stepsBeforeCrash == 0;
    if (!crashed) --*stepsBeforeCrash;
    return !crashed;
}

int16_t MemoryPlatform::UpperCaseKey(int16_t code) {
    if (code >= kLowerA && code <= kLowerZ) return static_cast<int16_t>(code - kCaseOffset);
    return code;
}

void MemoryPlatform::PutFile(const std::string& path, std::string_view bytes) {
    files_[Key(path)].bytes = bytes;
}

void MemoryPlatform::SetReadError(const std::string& path, std::optional<std::string> reason) {
    files_[Key(path)].readError = std::move(reason);
}

std::optional<std::string> MemoryPlatform::File(const std::string& path) const {
    const auto file = files_.find(Key(path));
    if (file == files_.end()) return std::nullopt;
    return file->second.bytes;
}

int MemoryPlatform::WriteCount(const std::string& path) const {
    const auto file = files_.find(Key(path));
    return file == files_.end() ? 0 : file->second.writes;
}

std::string MemoryPlatform::Key(std::string_view path) {
    std::string key;
    for (char c : path) {
        if (c == '/') c = '\\';
        if (c == '\\' && !key.empty() && key.back() == '\\') continue;
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + kCaseOffset);
        key += c;
    }
    return key;
}

}  // namespace trivex::ui
