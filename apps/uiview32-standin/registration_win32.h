// Registration of the stand-in on this machine: its classes as a local server, its type
// library, and the host's program-folder entry in the per-user program settings.
#pragma once

#include <string>

namespace trivex::standin {

// Both return false, after a message on stderr, when a step fails.
[[nodiscard]] bool Register(const std::wstring& executable);
[[nodiscard]] bool Unregister();

// Registers the executable's "standard" or "wide" type library for the host's interfaces, or
// with "none" removes their type library entries and those of the event interfaces; throws
// ComError or invalid_argument.
void RegisterHostTypeLibrary(const std::wstring& executable, const std::string& which);

}  // namespace trivex::standin
