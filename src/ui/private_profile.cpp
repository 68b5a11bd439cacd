#include "ui/private_profile.h"

#include <algorithm>
#include <vector>

namespace trivex {
namespace {

// A file saved as UTF-8 by an editor keeps its mark; its other bytes pass through unchanged.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// A line without "=" is a key without a value (comments are such keys and are written back).
struct ProfileKey {
    std::string name;
    std::optional<std::string> value;
};

struct ProfileSection {
    std::string name;
    std::vector<ProfileKey> keys;
};

// sections.front() is nameless and holds the lines above the first section header.
struct Profile {
    bool utf8Mark = false;
    std::vector<ProfileSection> sections;
};

// Control-Z counts as a blank: DOS editors end files with it.
bool IsProfileBlank(char c) {
    return (c >= '\t' && c <= '\r') || c == '\x1a' || c == ' ';
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    text = TrimLeft(text);
    while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Names and values are C strings inside the platform: a NUL byte ends them.
std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// Letters beyond ASCII match only in the same case, as in Wine.
char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool NamesMatch(std::string_view stored, std::string_view wanted) {
    if (stored.size() != wanted.size()) return false;
    for (size_t i = 0; i < stored.size(); ++i) {
        if (FoldAscii(stored[i]) != FoldAscii(wanted[i])) return false;
    }
    return true;
}

// "[name]" up to the last "]" on the line; a line with no "]" is read as a key.
bool AddSectionHeader(Profile& profile, std::string_view line) {
    size_t close = line.rfind(']');
    if (line.front() != '[' || close == std::string_view::npos) return false;
    profile.sections.push_back({std::string(UpToNul(Trim(line.substr(1, close - 1)))), {}});
    return true;
}

void AddKey(ProfileSection& section, std::string_view line) {
    ProfileKey key{std::string(UpToNul(line)), std::nullopt};
    size_t rawNameLength = line.size();
    if (size_t equals = line.find('='); equals != std::string_view::npos) {
        std::string_view name = Trim(line.substr(0, equals));
        rawNameLength = name.size();
        key.name = std::string(UpToNul(name));
        key.value = std::string(UpToNul(TrimLeft(line.substr(equals + 1))));
    }
    // Of several nameless lines in a row only the first is kept.
    bool repeatsNameless = rawNameLength == 0 && !section.keys.empty() && section.keys.back().name.empty();
    if (!repeatsNameless) section.keys.push_back(std::move(key));
}

void AddLine(Profile& profile, std::string_view line) {
    line = Trim(line);
    if (line.empty() || AddSectionHeader(profile, line)) return;
    AddKey(profile.sections.back(), line);
}

// CR, LF and any run of them end a line.
Profile ParseProfile(std::string_view bytes) {
    Profile profile;
    profile.utf8Mark = bytes.starts_with(kUtf8Mark);
    if (profile.utf8Mark) bytes.remove_prefix(kUtf8Mark.size());
    profile.sections.emplace_back();
    while (!bytes.empty()) {
        size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
        AddLine(profile, bytes.substr(0, end));
        bytes.remove_prefix(std::min(bytes.find_first_not_of("\r\n", end), bytes.size()));
    }
    return profile;
}

// The platform's own form: no blank lines, "key=value", CR LF after every line.
std::string SerializeProfile(const Profile& profile) {
    std::string bytes = profile.utf8Mark ? std::string(kUtf8Mark) : std::string();
    for (const ProfileSection& section : profile.sections) {
        if (!section.name.empty()) bytes += "[" + section.name + "]\r\n";
        for (const ProfileKey& key : section.keys) {
            bytes += key.name;
            if (key.value) bytes += "=" + *key.value;
            bytes += "\r\n";
        }
    }
    return bytes;
}

// Only the first section of a name counts, and in it only the first key of a name.
ProfileSection* FindSection(Profile& profile, std::string_view name) {
    for (ProfileSection& section : profile.sections) {
        if (NamesMatch(section.name, Trim(name))) return &section;
    }
    return nullptr;
}

ProfileKey* FindKey(ProfileSection& section, std::string_view name) {
    for (ProfileKey& key : section.keys) {
        if (NamesMatch(key.name, Trim(name))) return &key;
    }
    return nullptr;
}

// A new section or key keeps the trailing blanks of the name it was asked for.
ProfileKey& FindOrAddKey(Profile& profile, std::string_view sectionName, std::string_view keyName) {
    ProfileSection* section = FindSection(profile, sectionName);
    if (section == nullptr)
        section = &profile.sections.emplace_back(ProfileSection{std::string(TrimLeft(sectionName)), {}});
    if (ProfileKey* key = FindKey(*section, keyName)) return *key;
    return section->keys.emplace_back(ProfileKey{std::string(TrimLeft(keyName)), std::nullopt});
}

// Spaces (not other blanks) are cut from the end of a default, but never its first character.
std::string_view TrimDefault(std::string_view text) {
    while (text.size() > 1 && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The platform copies a value in matching quotes without the opening quote, then drops the
// last character it copied when the buffer had room for the whole rest: the closing quote,
// or, in a buffer one character short, the last character of the value itself.
std::string CopyToBuffer(std::string_view value, size_t bufferSize) {
    bool quoted =
        value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    if (quoted) value.remove_prefix(1);
    std::string copied(value.substr(0, bufferSize - 1));
    if (quoted && bufferSize >= value.size() && !copied.empty()) copied.pop_back();
    return copied;
}

}  // namespace

std::string ProfileReadString(std::string_view fileBytes, std::string_view section, std::string_view key,
                             std::string_view defaultValue, size_t bufferSize) {
    if (bufferSize == 0) return {};
    Profile profile = ParseProfile(fileBytes);
    ProfileSection* found = FindSection(profile, UpToNul(section));
    ProfileKey* entry = found == nullptr ? nullptr : FindKey(*found, UpToNul(key));
    if (entry != nullptr && entry->value) return CopyToBuffer(*entry->value, bufferSize);
    return CopyToBuffer(TrimDefault(UpToNul(defaultValue)), bufferSize);
}

std::optional<std::string> ProfileWriteString(std::string_view fileBytes, std::string_view section,
                                              std::string_view key, std::string_view value) {
    Profile profile = ParseProfile(fileBytes);
    ProfileKey& entry = FindOrAddKey(profile, UpToNul(section), UpToNul(key));
    std::string_view newValue = TrimLeft(UpToNul(value));
    if (entry.value == newValue) return std::nullopt;
    entry.value = std::string(newValue);
    return SerializeProfile(profile);
}

}  // namespace trivex
