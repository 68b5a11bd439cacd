// Where the host keeps its program folder: a value of its settings in the current user's
// registry. The names are ASCII, so the wide ones are the same characters.
#pragma once

#include <string>

namespace trivex::win32 {

inline constexpr char kHostSettingsKey[] = "Software\\VB and VBA Program Settings\\Peak Systems\\UI-View32";
inline constexpr char kHostFolderValue[] = "Program Folder";

inline std::wstring Wide(const char* ascii) {
    return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii));
}

}  // namespace trivex::win32
