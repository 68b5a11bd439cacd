#include "settings/private_profile.h"

#include <algorithm>
#include <vector>

namespace trivex::settings {
namespace {

// The file's lines work alike on bytes (an ANSI or UTF-8 file) and on UTF-16 characters.
template <typename Char>
using Text = std::basic_string<Char>;
template <typename Char>
using TextView = std::basic_string_view<Char>;

template <typename Char>
constexpr Char kLineEnds[] = {'\r', '\n', 0};

// A line without "=" is a key without a value (comments are such keys and are written back).
template <typename Char>
struct ProfileKey {
    Text<Char> name;
    std::optional<Text<Char>> value;
};

template <typename Char>
struct ProfileSection {
    Text<Char> name;
    std::vector<ProfileKey<Char>> keys;
};

// sections.front() is nameless and holds the lines above the first section header.
template <typename Char>
using Profile = std::vector<ProfileSection<Char>>;

// Control-Z counts as a blank: DOS editors end files with it.
template <typename Char>
bool IsProfileBlank(Char c) {
    return (c >= '\t' && c <= '\r') || c == '\x1a' || c == ' ';
}

template <typename Char>
TextView<Char> TrimLeft(TextView<Char> text) {
    while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
    return text;
}

template <typename Char>
TextView<Char> Trim(TextView<Char> text) {
    text = TrimLeft(text);
    while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Names and values are C strings inside the platform: a NUL character ends them.
template <typename Char>
TextView<Char> UpToNul(TextView<Char> text) {
    return text.substr(0, text.find(Char{}));
}

// Letters beyond ASCII match only in the same case, as in Wine.
template <typename Char>
Char FoldAscii(Char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c;
}

template <typename Char>
bool NamesMatch(TextView<Char> stored, TextView<Char> wanted) {
    if (stored.size() != wanted.size()) return false;
    for (size_t i = 0; i < stored.size(); ++i) {
        if (FoldAscii(stored[i]) != FoldAscii(wanted[i])) return false;
    }
    return true;
}

// "[name]" up to the last "]" on the line; a line with no "]" is read as a key.
template <typename Char>
bool AddSectionHeader(Profile<Char>& profile, TextView<Char> line) {
    size_t close = line.rfind(']');
    if (line.front() != '[' || close == TextView<Char>::npos) return false;
    profile.push_back({Text<Char>(UpToNul(Trim(line.substr(1, close - 1)))), {}});
    return true;
}

template <typename Char>
void AddKey(ProfileSection<Char>& section, TextView<Char> line) {
    ProfileKey<Char> key{Text<Char>(UpToNul(line)), std::nullopt};
    size_t rawNameLength = line.size();
    if (size_t equals = line.find('='); equals != TextView<Char>::npos) {
        TextView<Char> name = Trim(line.substr(0, equals));
        rawNameLength = name.size();
        key.name = Text<Char>(UpToNul(name));
        key.value = Text<Char>(UpToNul(TrimLeft(line.substr(equals + 1))));
    }
    // Of several nameless lines in a row only the first is kept.
    bool repeatsNameless = rawNameLength == 0 && !section.keys.empty() && section.keys.back().name.empty();
    if (!repeatsNameless) section.keys.push_back(std::move(key));
}

template <typename Char>
void AddLine(Profile<Char>& profile, TextView<Char> line) {
    line = Trim(line);
    if (line.empty() || AddSectionHeader(profile, line)) return;
    AddKey(profile.back(), line);
}

// CR, LF and any run of them end a line.
template <typename Char>
Profile<Char> ParseProfile(TextView<Char> text) {
    Profile<Char> profile(1);
    while (!text.empty()) {
        size_t end = std::min(text.find_first_of(kLineEnds<Char>), text.size());
        AddLine(profile, text.substr(0, end));
        text.remove_prefix(std::min(text.find_first_not_of(kLineEnds<Char>, end), text.size()));
    }
    return profile;
}

// The platform's own form: no blank lines, "key=value", CR LF after every line.
template <typename Char>
Text<Char> SerializeProfile(const Profile<Char>& profile) {
    Text<Char> text;
    for (const ProfileSection<Char>& section : profile) {
        if (!section.name.empty()) text += Char('[') + section.name + Char(']') + kLineEnds<Char>;
        for (const ProfileKey<Char>& key : section.keys) {
            text += key.name;
            if (key.value) text += Char('=') + *key.value;
            text += kLineEnds<Char>;
        }
    }
    return text;
}

// Only the first section of a name counts, and in it only the first key of a name.
template <typename Char>
ProfileSection<Char>* FindSection(Profile<Char>& profile, TextView<Char> name) {
    for (ProfileSection<Char>& section : profile) {
        if (NamesMatch<Char>(section.name, Trim(name))) return &section;
    }
    return nullptr;
}

template <typename Char>
ProfileKey<Char>* FindKey(ProfileSection<Char>& section, TextView<Char> name) {
    for (ProfileKey<Char>& key : section.keys) {
        if (NamesMatch<Char>(key.name, Trim(name))) return &key;
    }
    return nullptr;
}

// A new section or key keeps the trailing blanks of the name it was asked for.
template <typename Char>
ProfileKey<Char>& FindOrAddKey(Profile<Char>& profile, TextView<Char> sectionName, TextView<Char> keyName) {
    ProfileSection<Char>* section = FindSection(profile, sectionName);
    if (section == nullptr)
        section = &profile.emplace_back(ProfileSection<Char>{Text<Char>(TrimLeft(sectionName)), {}});
    if (ProfileKey<Char>* key = FindKey(*section, keyName)) return *key;
    return section->keys.emplace_back(ProfileKey<Char>{Text<Char>(TrimLeft(keyName)), std::nullopt});
}

// Spaces (not other blanks) are cut from the end of a default, but never its first character.
template <typename Char>
TextView<Char> TrimDefault(TextView<Char> text) {
    while (text.size() > 1 && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The platform copies a value in matching quotes without the opening quote, then drops the
// last character it copied when the buffer had room for the whole rest: the closing quote,
// or, in a buffer one character short, the last character of the value itself.
template <typename Char>
Text<Char> CopyToBuffer(TextView<Char> value, size_t bufferSize) {
    bool quoted =
        value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    if (quoted) value.remove_prefix(1);
    Text<Char> copied(value.substr(0, bufferSize - 1));
    if (quoted && bufferSize >= value.size() && !copied.empty()) copied.pop_back();
    return copied;
}

template <typename Char>
Text<Char> ReadString(TextView<Char> file, TextView<Char> section, TextView<Char> key,
                      TextView<Char> defaultValue, size_t bufferSize) {
    Profile<Char> profile = ParseProfile(file);
    ProfileSection<Char>* found = FindSection(profile, UpToNul(section));
    ProfileKey<Char>* entry = found == nullptr ? nullptr : FindKey(*found, UpToNul(key));
    if (entry != nullptr && entry->value) return CopyToBuffer<Char>(*entry->value, bufferSize);
    return CopyToBuffer(TrimDefault(UpToNul(defaultValue)), bufferSize);
}

template <typename Char>
std::optional<Text<Char>> WriteString(TextView<Char> file, TextView<Char> section, TextView<Char> key,
                                      TextView<Char> value) {
    Profile<Char> profile = ParseProfile(file);
    ProfileKey<Char>& entry = FindOrAddKey(profile, UpToNul(section), UpToNul(key));
    TextView<Char> newValue = TrimLeft(UpToNul(value));
    if (entry.value == newValue) return std::nullopt;
    entry.value = Text<Char>(newValue);
    return SerializeProfile(profile);
}

// The platform tells a file's encoding by its first bytes alone and keeps them when it writes.
struct MarkedFile {
    std::string_view mark;
    std::string_view body;
    bool utf16 = false;
    bool bigEndian = false;
};

MarkedFile SplitMark(std::string_view bytes) {
    for (std::string_view mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        if (bytes.starts_with(mark))
            return {bytes.substr(0, mark.size()), bytes.substr(mark.size()), mark.size() == 2,
                    mark[0] == '\xFE'};
    }
    return {{}, bytes};
}

// An odd last byte is a character of its own, as Wine reads it: it takes the byte after the
// file's end for the high byte, in either byte order; that byte is whatever Wine's heap holds
// there, mostly zero, which is what is taken here.
std::u16string DecodeUtf16(const MarkedFile& file) {
    const std::string_view body = file.body;
    std::u16string text;
    for (size_t i = 0; i + 1 < body.size(); i += 2) {
        const unsigned first = static_cast<unsigned char>(body[i]),
                       second = static_cast<unsigned char>(body[i + 1]);
        text += static_cast<char16_t>(file.bigEndian ? first << 8 | second : second << 8 | first);
    }
    if (body.size() % 2 != 0) text += static_cast<char16_t>(static_cast<unsigned char>(body.back()));
    return text;
}

std::string EncodeUtf16(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t c : text) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

}  // namespace

std::string ProfileReadString(std::string_view fileBytes, std::string_view section, std::string_view key,
                              std::string_view defaultValue, const AnsiCodePage& codePage,
                              size_t bufferSize) {
    if (bufferSize == 0) return {};
    const MarkedFile file = SplitMark(fileBytes);
    if (!file.utf16) return ReadString(file.body, section, key, defaultValue, bufferSize);
    const std::u16string value = ReadString<char16_t>(DecodeUtf16(file), codePage.ToUtf16(UpToNul(section)),
                                                      codePage.ToUtf16(UpToNul(key)),
                                                      codePage.ToUtf16(UpToNul(defaultValue)), bufferSize);
    return codePage.FromUtf16(value).substr(0, bufferSize - 1);
}

std::optional<std::string> ProfileWriteString(std::string_view fileBytes, std::string_view section,
                                              std::string_view key, std::string_view value,
                                              const AnsiCodePage& codePage) {
    const MarkedFile file = SplitMark(fileBytes);
    if (!file.utf16) {
        const std::optional<std::string> body = WriteString(file.body, section, key, value);
        return body ? std::optional(std::string(file.mark) + *body) : std::nullopt;
    }
    const std::optional<std::u16string> text =
        WriteString<char16_t>(DecodeUtf16(file), codePage.ToUtf16(UpToNul(section)),
                              codePage.ToUtf16(UpToNul(key)), codePage.ToUtf16(UpToNul(value)));
    return text ? std::optional(std::string(file.mark) + EncodeUtf16(*text, file.bigEndian)) : std::nullopt;
}

}  // namespace trivex::settings
